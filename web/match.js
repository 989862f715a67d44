// The match screen: the team's score at each table, board by board, turned
// into IMPs by the engine, and kept on the phone as it is typed. Loaded on
// first use, so the calculator never waits for it.
const $ = (id) => document.getElementById(id);
const storageKey = 'quimbel.match';
const version = 1;
const emptyDraft = () => ({ Own: '', Other: '', editing: null });

const field = (id, label) => `<label for="${id}">${label}</label>
<input id="${id}" inputmode="numeric" maxlength="8" autocomplete="off" aria-describedby="${id}Error">
<button id="${id}Sign" type="button" aria-label="Changer le signe : ${label.toLowerCase()}">±</button>
<p id="${id}Error" class="error"></p>`;
const screenHtml = `<header><button id="MatchBack" type="button">‹ Calculatrice</button>
<h1>Match par quatre</h1></header>
<p id="TotalLine">Total<output id="Total" aria-label="Total" aria-live="polite"></output></p>
<form id="Entry" novalidate><h2 id="EntryTitle"></h2>${field('Own', 'Notre table')}${field('Other', 'Autre table')}
<div class="actions"><button id="Carry" type="button"></button><button id="Save">Valider</button>
<button id="Remove" type="button">Supprimer</button><button id="Cancel" type="button">Annuler</button></div></form>
<ol id="Boards" aria-label="Donnes"></ol>
<p id="MatchNote" role="status"></p>
<footer><button id="NewMatch" type="button">Nouveau match</button></footer>
<dialog id="Confirm" aria-labelledby="ConfirmText"><p id="ConfirmText">Effacer le match en cours et en commencer un nouveau ?</p>
<button id="ConfirmYes" type="button">Effacer</button> <button id="ConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

// IMPs, and totals, with their sign: "+5", "-3", "0".
const signed = (n) => (n > 0 ? `+${n}` : `${n}`);

// The stored match, or null for one that is missing, corrupt or of another
// version: read whole or not at all, never half.
function load(isDealScore) {
  try {
    const { version: stored, boards, draft } = JSON.parse(localStorage.getItem(storageKey));
    if (stored === version && boards.every((board) => board.length === 2 && board.every(isDealScore))
      && [draft.Own, draft.Other].every((text) => typeof text === 'string' && text.length <= 8)
      && (draft.editing === null || (Number.isInteger(draft.editing) && boards[draft.editing]))) {
      return { boards, draft };
    }
  } catch {
    // Unreadable: as good as missing.
  }
  return null;
}

// A field's text with a typographic minus sign read as "-".
const plain = (text) => text.trim().replace(/^[−–]/, '-');

// The score typed in a field, or why it is refused.
function parse(text, isDealScore) {
  const typed = plain(text);
  if (!typed) return { error: 'Saisissez la marque de cette table.' };
  const digits = /^([+-]?)0*(\d+)$/.exec(typed);
  if (!digits) return { error: 'Tapez la marque en chiffres, par exemple 620 ou -650.' };
  const score = Number(digits[1] + digits[2]);
  if (score % 10) return { error: 'Une marque de donne se termine toujours par 0.' };
  if (!isDealScore(score)) return { error: `Aucune donne ne marque ${score}.` };
  return { score };
}

let screen;

export function open({ engine, form, result }) {
  screen ??= build(engine, form, result);
  screen.show();
}

function build({ imps, isDealScore }, form, result) {
  const root = Object.assign(document.createElement('main'), { id: 'MatchForm', hidden: true, innerHTML: screenHtml });
  document.body.append(root);
  const style = Object.assign(document.createElement('link'), { rel: 'stylesheet', href: 'match.css' });
  const styled = new Promise((resolve) => { style.onload = style.onerror = resolve; });
  document.head.append(style);

  const fields = [$('Own'), $('Other')];
  const note = $('MatchNote');
  const boardImps = ([own, other]) => imps(own + other);
  let current = fields[0];
  let state = load(isDealScore);
  if (!state) {
    if (localStorage.getItem(storageKey) !== null) note.textContent = "Le match enregistré n'a pas pu être relu.";
    state = { boards: [], draft: emptyDraft() };
  }

  function save() {
    try {
      localStorage.setItem(storageKey, JSON.stringify({ version, ...state }));
    } catch {
      note.textContent = 'Attention : ce match ne peut pas être enregistré sur cet appareil.';
    }
  }

  function setError(input, error = '') {
    $(`${input.id}Error`).textContent = error;
    input.toggleAttribute('aria-invalid', Boolean(error));
  }

  const markCurrent = () => fields.forEach((input) => input.classList.toggle('current', input === current));

  // Shows the state; the fields only where they differ, so typing is untouched.
  function render() {
    const { boards, draft } = state;
    $('Total').textContent = `${signed(boards.reduce((sum, board) => sum + boardImps(board), 0))} IMP`;
    // Scores are integers, checked as they were stored.
    $('Boards').innerHTML = boards.map(([own, other], i) => {
      const cells = [`Donne ${i + 1}`, own, other, `${signed(boardImps([own, other]))} IMP`];
      return `<li${draft.editing === i ? ' class="editing"' : ''}><button type="button" class="board" value="${i}"
aria-label="Donne ${i + 1} : notre table ${own}, autre table ${other}, ${cells[3]}. Corriger">
${cells.map((cell) => `<span>${cell}</span>`).join('')}</button></li>`;
    }).join('');
    const editing = draft.editing !== null;
    $('EntryTitle').textContent = editing ? `Corriger la donne ${draft.editing + 1}` : `Donne ${boards.length + 1}`;
    $('Remove').hidden = $('Cancel').hidden = !editing;
    for (const input of fields) if (input.value !== draft[input.id]) input.value = draft[input.id];
    markCurrent();
    const carried = result();
    const carry = $('Carry');
    carry.disabled = !/^-?\d+$/.test(carried);
    carry.textContent = carry.disabled ? 'Reporter le résultat' : `Reporter ${carried}`;
  }

  function changed() {
    save();
    render();
  }

  function startOver(draft = emptyDraft()) {
    state.draft = draft;
    fields.forEach((input) => setError(input));
    [current] = fields;
    changed();
  }

  for (const input of fields) {
    input.addEventListener('focus', () => {
      current = input;
      markCurrent();
    });
    const typed = () => {
      state.draft[input.id] = input.value;
      setError(input);
      save();
    };
    input.addEventListener('input', typed);
    input.addEventListener('change', typed);
    $(`${input.id}Sign`).addEventListener('click', () => {
      const text = plain(state.draft[input.id]);
      state.draft[input.id] = text.startsWith('-') ? text.slice(1) : `-${text.replace(/^\+/, '')}`;
      current = input;
      setError(input);
      changed();
    });
  }
  // Enter in the first field goes on to the second.
  fields[0].addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      fields[1].focus();
    }
  });

  $('Carry').addEventListener('click', () => {
    state.draft[current.id] = result();
    setError(current);
    // The other table's score comes next, when it is still to be filled.
    const next = fields.find((input) => input !== current);
    if (!state.draft[next.id]) current = next;
    changed();
  });

  $('Entry').addEventListener('submit', (event) => {
    event.preventDefault();
    const parsed = fields.map((input) => parse(input.value, isDealScore));
    parsed.forEach(({ error }, i) => setError(fields[i], error));
    const refused = parsed.findIndex(({ error }) => error);
    if (refused >= 0) return fields[refused].focus();
    const board = parsed.map(({ score }) => score);
    const number = state.draft.editing ?? state.boards.length;
    state.boards[number] = board;
    note.textContent = `Donne ${number + 1} : ${signed(boardImps(board))} IMP.`;
    startOver();
  });

  $('Boards').addEventListener('click', (event) => {
    const i = Number(event.target.closest('button')?.value ?? NaN);
    if (!state.boards[i]) return;
    startOver({ Own: String(state.boards[i][0]), Other: String(state.boards[i][1]), editing: i });
    fields[0].focus();
  });
  $('Remove').addEventListener('click', () => {
    const removed = state.draft.editing;
    state.boards.splice(removed, 1);
    note.textContent = `Donne ${removed + 1} supprimée.`;
    startOver();
  });
  $('Cancel').addEventListener('click', () => startOver());

  const confirm = $('Confirm');
  $('NewMatch').addEventListener('click', () => confirm.showModal());
  $('ConfirmNo').addEventListener('click', () => confirm.close());
  $('ConfirmYes').addEventListener('click', () => {
    confirm.close();
    state.boards = [];
    note.textContent = 'Nouveau match.';
    startOver();
  });

  // Another tab of the page changed the match: show it as stored.
  addEventListener('storage', (event) => {
    if (event.key !== storageKey) return;
    state = load(isDealScore) ?? state;
    render();
  });

  // Back (a tap, the system's gesture or button, Escape) leaves by history,
  // as a phone expects; the calculator comes back as it was.
  $('MatchBack').addEventListener('click', () => history.back());
  root.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && !confirm.open) history.back();
  });
  addEventListener('popstate', () => {
    if (history.state?.match || root.hidden) return;
    root.hidden = true;
    form.hidden = false;
    $('Match').focus();
  });

  return {
    async show() {
      if (!history.state?.match) history.pushState({ match: true }, '');
      await styled;
      render();
      form.hidden = true;
      root.hidden = false;
      $('MatchBack').focus();
    },
  };
}

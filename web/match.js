// The match screen: the team's score at each table, board by board, turned
// into IMPs by the engine, and kept on the phone as it is typed. Loaded on
// first use, so the calculator never waits for it.
const $ = (id) => document.getElementById(id);
const storageKey = 'quimbel.match';
const version = 1;

const fieldIds = ['Own', 'Other'];
const fieldHtml = (id, label) => `<label for="${id}">${label}</label>
<input id="${id}" inputmode="numeric" maxlength="8" autocomplete="off" enterkeyhint="next" aria-describedby="${id}Error">
<button id="${id}Sign" type="button" aria-label="Changer le signe : ${label.toLowerCase()}">±</button>
<p id="${id}Error" class="error"></p>`;
const screenHtml = `<header><button id="MatchBack" type="button">‹ Calculatrice</button>
<h1>Match par quatre</h1></header>
<p id="TotalLine">Total<output id="Total" aria-label="Total" aria-live="polite"></output></p>
<form id="Entry" novalidate><h2 id="EntryTitle"></h2>
${fieldHtml('Own', 'Notre table')}${fieldHtml('Other', 'Autre table')}
<div class="actions"><button id="Carry" type="button"></button><button id="Save">Valider</button>
<button id="Remove" type="button">Supprimer</button><button id="Cancel" type="button">Annuler</button></div></form>
<ol id="Boards" aria-label="Donnes"></ol>
<p id="MatchNote" role="status"></p>
<footer><button id="Copy" type="button">Copier le match</button><button id="NewMatch" type="button">Nouveau match</button></footer>
<dialog id="Confirm" aria-labelledby="ConfirmText"><p id="ConfirmText">Effacer le match en cours et en commencer un nouveau ?</p>
<button id="ConfirmYes" type="button">Effacer</button><button id="ConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

// A score as the page shows it, and IMPs with their sign: "+5", "-3", "0".
const signed = (n) => (n > 0 ? `+${n}` : `${n}`);

// The stored match, or null for one that is missing, corrupt or of another
// version: read whole or not at all, never half.
function load(isDealScore) {
  try {
    const record = JSON.parse(localStorage.getItem(storageKey));
    const { boards, draft } = record;
    const isText = (text) => typeof text === 'string' && text.length <= 8;
    if (record.version === version && Array.isArray(boards)
      && boards.every((board) => Array.isArray(board) && board.length === 2 && board.every(
        (score) => Number.isInteger(score) && Math.abs(score) <= 7600 && isDealScore(score)))
      && fieldIds.every((id) => isText(draft[id]))
      && (draft.editing === null || (Number.isInteger(draft.editing) && boards[draft.editing]))) {
      return { boards, draft };
    }
  } catch {
    // Unreadable: as good as missing.
  }
  return null;
}

// The score typed in a field, or why it is refused.
function parse(text, isDealScore) {
  const typed = text.trim().replace(/^[−–]/, '-');
  if (!typed) return { error: 'Saisissez la marque de cette table.' };
  const digits = /^([+-]?)0*(\d+)$/.exec(typed);
  if (!digits) return { error: 'Tapez la marque en chiffres, par exemple 620 ou -650.' };
  const score = Number(digits[1] + digits[2]);
  if (score % 10) return { error: 'Une marque de donne se termine toujours par 0.' };
  // Past 7600, no deal scores; the engine only takes what an int holds.
  if (digits[2].length > 4 || !isDealScore(score)) return { error: `Aucune donne ne marque ${score}.` };
  return { score };
}

let screen;

export function open({ engine, form, result }) {
  screen ??= build(engine, form, result);
  screen.show();
}

function build(engine, form, result) {
  const root = Object.assign(document.createElement('main'), { id: 'MatchForm', hidden: true, innerHTML: screenHtml });
  document.body.append(root);
  const style = Object.assign(document.createElement('link'), { rel: 'stylesheet', href: 'match.css' });
  const styled = new Promise((resolve) => { style.onload = style.onerror = resolve; });
  document.head.append(style);

  const fields = fieldIds.map($);
  const note = $('MatchNote');
  let current = fields[0];
  let state = load(engine.isDealScore);
  if (!state) {
    if (localStorage.getItem(storageKey) !== null) note.textContent = "Le match enregistré n'a pas pu être relu.";
    state = { boards: [], draft: { Own: '', Other: '', editing: null } };
  }
  const imps = ([own, other]) => engine.imps(own + other);

  function save() {
    try {
      localStorage.setItem(storageKey, JSON.stringify({ version, ...state }));
    } catch {
      note.textContent = "Attention : ce match ne peut pas être enregistré sur cet appareil.";
    }
  }

  function setError(field, error = '') {
    $(`${field.id}Error`).textContent = error;
    field.toggleAttribute('aria-invalid', Boolean(error));
  }

  function render() {
    const { boards, draft } = state;
    $('Total').textContent = `${signed(boards.reduce((sum, board) => sum + imps(board), 0))} IMP`;
    $('Boards').replaceChildren(...boards.map((board, i) => {
      const row = Object.assign(document.createElement('button'), { type: 'button', className: 'board' });
      const cells = [`Donne ${i + 1}`, ...board.map(String), `${signed(imps(board))} IMP`];
      row.append(...cells.map((text) => Object.assign(document.createElement('span'), { textContent: text })));
      row.setAttribute('aria-label', `Donne ${i + 1} : notre table ${board[0]}, autre table ${board[1]}, `
        + `${signed(imps(board))} IMP. Corriger`);
      row.addEventListener('click', () => edit(i));
      const item = document.createElement('li');
      item.classList.toggle('editing', draft.editing === i);
      item.append(row);
      return item;
    }));
    const editing = draft.editing !== null;
    $('EntryTitle').textContent = editing ? `Corriger la donne ${draft.editing + 1}` : `Donne ${boards.length + 1}`;
    $('Remove').hidden = $('Cancel').hidden = !editing;
    fields.forEach((field) => {
      if (field.value !== draft[field.id]) field.value = draft[field.id];
    });
    markCurrent();
    const carried = result();
    const carry = $('Carry');
    carry.disabled = !/^-?\d+$/.test(carried);
    carry.textContent = carry.disabled ? 'Reporter le résultat' : `Reporter ${carried}`;
  }

  function markCurrent() {
    fields.forEach((field) => field.classList.toggle('current', field === current));
  }

  function changed() {
    save();
    render();
  }

  function startNewBoard() {
    state.draft = { Own: '', Other: '', editing: null };
    fields.forEach((field) => setError(field));
    current = fields[0];
  }

  function edit(i) {
    state.draft = { Own: String(state.boards[i][0]), Other: String(state.boards[i][1]), editing: i };
    fields.forEach((field) => setError(field));
    current = fields[0];
    changed();
    fields[0].focus();
  }

  fields.forEach((field) => {
    field.addEventListener('focus', () => {
      current = field;
      markCurrent();
    });
    const typed = () => {
      state.draft[field.id] = field.value;
      setError(field);
      save();
    };
    field.addEventListener('input', typed);
    field.addEventListener('change', typed);
    $(`${field.id}Sign`).addEventListener('click', () => {
      const text = state.draft[field.id].trim();
      state.draft[field.id] = /^[-−–]/.test(text) ? text.slice(1) : `-${text.replace(/^\+/, '')}`;
      current = field;
      setError(field);
      changed();
    });
  });

  $('Carry').addEventListener('click', () => {
    state.draft[current.id] = result();
    setError(current);
    // The other table's score comes next, when it is still to be filled.
    const next = fields.find((field) => field !== current);
    if (!state.draft[next.id]) current = next;
    changed();
  });

  $('Entry').addEventListener('submit', (event) => {
    event.preventDefault();
    const parsed = fields.map((field) => parse(field.value, engine.isDealScore));
    parsed.forEach(({ error }, i) => setError(fields[i], error));
    const refused = parsed.findIndex(({ error }) => error);
    if (refused >= 0) {
      fields[refused].focus();
      return;
    }
    const board = parsed.map(({ score }) => score);
    const { editing } = state.draft;
    const number = editing ?? state.boards.length;
    state.boards[number] = board;
    note.textContent = `Donne ${number + 1} : ${signed(imps(board))} IMP.`;
    startNewBoard();
    changed();
  });

  // Enter in the first field goes on to the second.
  fields[0].addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      fields[1].focus();
    }
  });

  $('Remove').addEventListener('click', () => {
    const removed = state.draft.editing;
    state.boards.splice(removed, 1);
    note.textContent = `Donne ${removed + 1} supprimée.`;
    startNewBoard();
    changed();
  });
  $('Cancel').addEventListener('click', () => {
    startNewBoard();
    changed();
  });

  $('Copy').addEventListener('click', async () => {
    const lines = state.boards.map((board, i) => `Donne ${i + 1} : ${board.join(' / ')} → ${signed(imps(board))} IMP`);
    try {
      await navigator.clipboard.writeText(['Match par quatre', ...lines, `Total : ${$('Total').textContent}`].join('\n'));
      note.textContent = 'Match copié.';
    } catch {
      note.textContent = "La copie n'est pas possible ici.";
    }
  });

  const confirm = $('Confirm');
  $('NewMatch').addEventListener('click', () => confirm.showModal());
  $('ConfirmNo').addEventListener('click', () => confirm.close());
  $('ConfirmYes').addEventListener('click', () => {
    confirm.close();
    state.boards = [];
    startNewBoard();
    note.textContent = 'Nouveau match.';
    changed();
  });

  // Another tab of the page changed the match: show it as stored.
  addEventListener('storage', (event) => {
    if (event.key !== storageKey) return;
    state = load(engine.isDealScore) ?? state;
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

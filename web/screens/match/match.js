// The match screen: the team's score at each table, board by board, turned
// into IMPs by the engine, and kept on the phone as it is typed. Loaded on
// first use, so the calculator never waits for it.
import { parseScore, signChanged, signed } from '../score_text.js';
import { emptyEntry, fieldLength, isBoardNumber, openMatchStore } from './store.js';

const $ = (id) => document.getElementById(id);

const field = (id, label) => `<label for="${id}">${label}</label>
<input id="${id}" inputmode="numeric" maxlength="${fieldLength}" autocomplete="off" aria-describedby="${id}Error">
<button id="${id}Sign" type="button" aria-label="Changer le signe : ${label.toLowerCase()}">±</button>
<p id="${id}Error" class="error"></p>`;
const screenHtml = `<header><button id="MatchBack" type="button">‹ Calculatrice</button>
<h1>Match par quatre</h1></header>
<p id="TotalLine">Total<output id="Total" aria-label="Total" aria-live="polite"></output></p>
<form id="Entry" novalidate><p id="MatchUnkept" class="error" role="alert"></p><h2 id="EntryTitle"></h2>${field('Own', 'Notre table')}${field('Other', 'Autre table')}
<div class="actions"><button id="Carry" type="button"></button><button id="Save">Valider</button>
<button id="Remove" type="button">Supprimer</button><button id="Cancel" type="button">Annuler</button></div></form>
<ol id="Boards" aria-label="Donnes"></ol>
<p id="MatchNote" role="status"></p>
<footer><label for="FirstBoard">Première donne</label><input id="FirstBoard" inputmode="numeric" maxlength="2" autocomplete="off">
<button id="NewMatch" type="button">Nouveau match</button></footer>
<dialog id="Confirm" aria-labelledby="ConfirmText"><p id="ConfirmText">Effacer le match en cours et en commencer un nouveau ?</p>
<button id="ConfirmYes" type="button">Effacer</button> <button id="ConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

// The names of the engine's dealers and vulnerabilities, in its order.
const dealers = ['Nord', 'Est', 'Sud', 'Ouest'];
const vulnerabilities = ['Personne', 'N-S', 'E-O', 'Tous'];
// Each score field's part of the entry.
const entryPart = { Own: 'ours', Other: 'theirs' };

let screen;

// The screen, built on first use, for the page's navigator to show and hide.
export function open(page) {
  screen ??= build(page).catch((error) => {
    // Tried again at the next tap.
    screen = undefined;
    throw error;
  });
  return screen;
}

// Resolves once the screen's style sheet has arrived, so that nothing of the
// screen ever shows unstyled.
function linkStyle() {
  const style = Object.assign(document.createElement('link'), { rel: 'stylesheet', href: new URL('./match.css', import.meta.url) });
  document.head.append(style);
  return new Promise((resolve, reject) => {
    style.onload = resolve;
    style.onerror = () => {
      style.remove();
      reject(new Error('the match screen could not load its style'));
    };
  });
}

async function build({ engine: { boardImps, totalImps, dealt, isDealScore }, result, back }) {
  await linkStyle();
  const root = Object.assign(document.createElement('main'), { id: 'MatchForm', hidden: true, innerHTML: screenHtml });
  document.body.append(root);

  const dealtNames = (number) => {
    const [dealer, vulnerability] = dealt(number);
    return [dealers[dealer], vulnerabilities[vulnerability]];
  };
  const fields = [$('Own'), $('Other')];
  const note = $('MatchNote');
  let current = fields[0];
  // A change stored by another page never replaces the field being typed in.
  const store = openMatchStore(isDealScore, (match) => {
    const typing = fields.find((input) => input === document.activeElement);
    if (typing) match.entry[entryPart[typing.id]] = typing.value;
  });
  store.refresh();
  if (store.setAside) note.textContent = "Le match enregistré n'a pas pu être relu ; il reste gardé à part sur cet appareil.";

  function setError(input, error = '') {
    $(`${input.id}Error`).textContent = error;
    if (error) input.setAttribute('aria-invalid', 'true');
    else input.removeAttribute('aria-invalid');
  }

  const markCurrent = () => fields.forEach((input) => input.classList.toggle('current', input === current));

  // What the screen shows besides the fields, to tell whether a match stored
  // elsewhere changes it.
  const shownAs = () => JSON.stringify([store.value.boards, store.value.entry.editing, store.value.firstBoard, store.later, store.kept]);
  let shown;
  // Shows the match; the fields only where they differ, so typing is untouched.
  function render() {
    const { boards, entry, firstBoard } = store.value;
    $('MatchUnkept').textContent = store.later ? 'Ce match a été enregistré par une version plus récente de QUIMBEL : rechargez la page.'
      : store.kept ? '' : 'Attention : ce match ne sera pas conservé sur cet appareil.';
    shown = shownAs();
    $('Total').textContent = `${signed(totalImps(boards))} IMP`;
    // Scores are integers, checked as they were stored.
    $('Boards').innerHTML = boards.map(([own, other], i) => {
      const [dealer, vulnerable] = dealtNames(firstBoard + i);
      const cells = [`Donne ${firstBoard + i}`, own, other, `${signed(boardImps(own, other))} IMP`];
      return `<li${entry.editing === i ? ' class="editing"' : ''}><button type="button" class="board" value="${i}"
aria-label="Donne ${firstBoard + i}, donneur ${dealer}, vulnérabilité ${vulnerable} : notre table ${own}, autre table ${other}, ${cells[3]}. Corriger">
${cells.map((cell) => `<span>${cell}</span>`).join('')}<small>${dealer} · ${vulnerable}</small></button></li>`;
    }).join('');
    const editing = entry.editing !== null;
    $('EntryTitle').textContent = editing ? `Corriger la donne ${firstBoard + entry.editing}` : `Donne ${firstBoard + boards.length}`;
    const first = $('FirstBoard');
    if (first !== document.activeElement) showFirstBoard();
    $('Remove').hidden = $('Cancel').hidden = !editing;
    for (const input of fields) if (input.value !== entry[entryPart[input.id]]) input.value = entry[entryPart[input.id]];
    markCurrent();
    const carried = result();
    const carry = $('Carry');
    carry.disabled = !/^-?\d+$/.test(carried);
    carry.textContent = carry.disabled ? 'Reporter le résultat' : `Reporter ${carried}`;
  }

  function change(edit) {
    store.change(edit);
    render();
  }

  // A fresh entry, or the one given; the first field is the one to type in.
  function startOver(edit, entry = emptyEntry()) {
    fields.forEach((input) => setError(input));
    [current] = fields;
    change((match) => {
      edit(match);
      match.entry = entry;
    });
    current.focus();
  }

  for (const input of fields) {
    input.addEventListener('focus', () => {
      current = input;
      markCurrent();
    });
    const typed = () => {
      setError(input);
      store.change((match) => {
        match.entry[entryPart[input.id]] = input.value;
      });
      if (shownAs() !== shown) render();
    };
    input.addEventListener('input', typed);
    input.addEventListener('change', typed);
    $(`${input.id}Sign`).addEventListener('click', () => {
      current = input;
      setError(input);
      change((match) => {
        match.entry[entryPart[input.id]] = signChanged(match.entry[entryPart[input.id]], fieldLength);
      });
    });
  }
  // Boards numbered from the first one typed, from 1 to 99; a number out of
  // range is marked, and gives way to the stored one when the field is left.
  function showFirstBoard() {
    $('FirstBoard').value = store.value.firstBoard;
    $('FirstBoard').removeAttribute('aria-invalid');
  }
  $('FirstBoard').addEventListener('blur', showFirstBoard);
  $('FirstBoard').addEventListener('input', ({ target }) => {
    const number = /^\d+$/.test(target.value) ? Number(target.value) : NaN;
    if (isBoardNumber(number)) target.removeAttribute('aria-invalid');
    else return target.setAttribute('aria-invalid', 'true');
    change((match) => {
      match.firstBoard = number;
    });
  });

  // Enter in the first field goes on to the second.
  fields[0].addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      fields[1].focus();
    }
  });

  $('Carry').addEventListener('click', () => {
    setError(current);
    const carried = current;
    change((match) => {
      match.entry[entryPart[carried.id]] = result();
      // The other table's score comes next, when it is still to be filled.
      const next = fields.find((input) => input !== carried);
      if (!match.entry[entryPart[next.id]]) current = next;
    });
  });

  $('Entry').addEventListener('submit', (event) => {
    event.preventDefault();
    const parsed = fields.map((input) => parseScore(input.value, isDealScore));
    parsed.forEach(({ error }, i) => setError(fields[i], error));
    const refused = parsed.findIndex(({ error }) => error);
    if (refused >= 0) return fields[refused].focus();
    const board = parsed.map(({ score }) => score);
    startOver((match) => {
      // A correction of a board another page has removed meanwhile is a new board.
      const number = Math.min(match.entry.editing ?? Infinity, match.boards.length);
      match.boards[number] = board;
      note.textContent = `Donne ${match.firstBoard + number} : ${signed(boardImps(...board))} IMP.`;
    });
  });

  $('Boards').addEventListener('click', (event) => {
    const i = Number(event.target.closest('button')?.value ?? NaN);
    // A list another page has changed meanwhile is shown anew, not opened.
    store.refresh();
    if (shownAs() !== shown) return render();
    const board = store.value.boards[i];
    if (board) startOver(() => {}, { ours: String(board[0]), theirs: String(board[1]), editing: i });
  });
  $('Remove').addEventListener('click', () => startOver((match) => {
    const removed = match.entry.editing;
    // Another page may have closed this correction meanwhile.
    if (removed === null) return;
    match.boards.splice(removed, 1);
    note.textContent = `Donne ${match.firstBoard + removed} supprimée.`;
  }));
  $('Cancel').addEventListener('click', () => startOver(() => {}));

  const confirm = $('Confirm');
  $('NewMatch').addEventListener('click', () => confirm.showModal());
  $('ConfirmNo').addEventListener('click', () => confirm.close());
  $('ConfirmYes').addEventListener('click', () => {
    confirm.close();
    note.textContent = 'Nouveau match.';
    startOver((match) => {
      match.boards = [];
      match.firstBoard = 1;
    });
  });

  // Another page stored a change, or this one comes back to the screen
  // (from the back-forward cache, or made visible again): show the match
  // as stored.
  const refresh = () => {
    store.refresh();
    if (shownAs() === shown) return;
    // A board or a key the new match no longer shows hands focus to the entry.
    const focused = root.contains(document.activeElement);
    render();
    const now = document.activeElement;
    if (focused && (!root.contains(now) || now.closest('[hidden]'))) fields[0].focus();
  };
  addEventListener('storage', refresh);
  addEventListener('pageshow', (event) => event.persisted && refresh());
  document.addEventListener('visibilitychange', () => document.visibilityState === 'visible' && refresh());

  $('MatchBack').addEventListener('click', back);
  root.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && !confirm.open) back();
  });

  return {
    show() {
      render();
      root.hidden = false;
      $('MatchBack').focus();
    },
    hide() {
      // A box left open would hold the whole page.
      confirm.close();
      root.hidden = true;
    },
  };
}

// The match screen: the team's score at each table, board by board, turned
// into IMPs by the engine, and kept on the phone as it is typed. Loaded on
// first use, so the calculator never waits for it.
import { countsUpTo, dealtNames } from '../board_number.js';
import { $, askBeforeErasing, setError, showCarry } from '../fields.js';
import { caretAfterDigits, parseScore, settled, signChanged, signed } from '../score_text.js';
import { screenFrame } from '../screen_frame.js';
import { linkStyle } from '../style_link.js';
import { openEntry } from '../entry.js';
import { cut, emptyEntry, entryIn, entryMigrations, openMatchStore } from './store.js';
import { handOver } from './hand_over.js';
import { matchText, pointsText } from './summary.js';

const field = (id, label) => `<label for="${id}">${label}</label>
<input id="${id}" inputmode="numeric" autocomplete="off" aria-describedby="${id}Error">
<button id="${id}Sign" type="button" aria-label="Changer le signe : ${label.toLowerCase()}">±</button>
<p id="${id}Error" class="error" role="alert"></p>`;
const numberField = (id, label) => `<label for="${id}">${label}</label><input id="${id}" inputmode="numeric" maxlength="2"
autocomplete="off" aria-describedby="${id}Error"><p id="${id}Error" class="error" role="alert"></p>`;
const screenHtml = `<header><button id="MatchBack" type="button">‹ Calculatrice</button>
<h1>Match par quatre</h1></header>
<p id="TotalLine">Total<output id="Total" aria-label="Total" aria-live="polite"></output>
<output id="VictoryPoints" aria-label="Points de victoire"></output></p>
<form id="Entry" class="entry" novalidate><p id="MatchUnkept" class="error" role="alert"></p>
<div class="head"><h2 id="EntryTitle"></h2><button id="Remove" type="button">Supprimer</button></div>
${field('Own', 'Notre table')}${field('Other', 'Autre table')}
<div class="actions"><button id="Carry" type="button"></button><button id="Save">Valider</button>
<button id="Cancel" type="button">Annuler</button></div></form>
<ol id="Boards" aria-label="Donnes"></ol>
<div id="NoteLine"><p id="MatchNote" role="status"></p><button id="Undo" type="button" hidden>Rétablir</button></div>
<footer>${numberField('FirstBoard', 'Première donne')}${numberField('MatchLength', 'Donnes prévues')}
<button id="ShareMatch" type="button">Partager</button><button id="SendCard" type="button">Envoyer ma carte</button><button id="NewMatch" type="button">Nouveau match</button></footer>
<dialog id="Confirm" aria-labelledby="ConfirmText"><p id="ConfirmText">Effacer le match en cours et en commencer un nouveau ?</p>
<button id="ConfirmYes" type="button">Effacer</button> <button id="ConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

// Each score field's part of the entry, and its label.
const parts = { Own: 'own', Other: 'other' };
const labels = { own: 'Notre table', other: 'Autre table' };
const otherPart = (part) => (part === 'own' ? 'other' : 'own');

// The screen, built once by the page's navigator, to show and hide.
export async function build({ engine: { isDealScore }, comparison: { boardImps, totalImps, dealt, victoryPoints, largestCount }, result, back,
  actOnce, presence }) {
  const isBoardNumber = countsUpTo(largestCount);
  await linkStyle(new URL('./match.css', import.meta.url));
  // Another page's change, taken up, is shown once the screen is built.
  let refresh = () => {};
  const store = openMatchStore({ isDealScore, isBoardNumber }, { changed: () => refresh() });
  await store.refresh();
  const typing = await openEntry({ name: 'quimbel.entry', version: 2, migrations: entryMigrations, entryIn, keep: cut, empty: emptyEntry,
    isBlank: ({ own, other, editing }) => !own && !other && editing === null, record: store, presence });

  const root = Object.assign(document.createElement('main'), { id: 'MatchForm', className: 'screen', hidden: true, innerHTML: screenHtml });
  document.body.append(root);
  const fields = [$('Own'), $('Other')];
  const note = $('MatchNote');
  // The boxes that carry a card between the two tables, loaded with the first card to show.
  let cards;
  const withCards = (use) => {
    cards ??= import('./card_box.js').then(({ cardBoxes }) => cardBoxes({ root, store, change: changeMatch,
      actOnce, rules: { isDealScore, largestCount }, handOver, done(said) {
        note.textContent = said;
        render();
      } }));
    cards.then(use, () => {
      cards = undefined;
      note.textContent = "La carte n'a pas pu être chargée. Vérifiez la connexion, puis réessayez.";
    });
  };
  $('SendCard').addEventListener('click', actOnce(() => withCards((boxes) => boxes.send())));
  if (store.setAside) note.textContent = "Le match enregistré n'a pas pu être relu ; il reste gardé à part sur cet appareil.";
  const entry = () => typing.value;
  const boardNumber = (index) => store.value.firstBoard + index;
  const indexOf = (id) => store.value.boards.findIndex((board) => board.id === id);
  // The board a removal may bring back, until the next change.
  let removed = null;

  const changeEntry = (edit) => typing.change(edit);
  // The new board being typed, as it was before a board was looked at.
  const restored = ({ kept }) => ({ ...emptyEntry(), ...kept });
  function changeMatch(edit) {
    removed = null;
    return store.change(edit);
  }

  // The field Reporter fills next, marked, and Reporter's key naming it.
  function showNext() {
    const { next } = entry();
    fields.forEach((input) => input.classList.toggle('current', parts[input.id] === next));
    showCarry($('Carry'), result(), labels[next]);
  }

  // What the screen shows besides the fields, to tell whether a match stored
  // elsewhere changes it.
  const shownAs = () => JSON.stringify([store.value.boards, store.value.firstBoard, store.value.matchLength, entry().editing, store.later,
    store.saved, removed]);
  // Each board as shown, and the match's total, length and VPs (null with no board, or past the largest count unset).
  function summed() {
    const { boards, matchLength } = store.value;
    const total = totalImps(boards.map(({ own, other }) => [own, other]));
    // Never fewer than the boards entered.
    const length = Math.max(matchLength ?? 1, boards.length);
    const shown = boards.map(({ id, own, other }, i) => {
      const [dealer, vulnerable] = dealtNames(dealt, boardNumber(i));
      return { id, number: boardNumber(i), dealer, vulnerable, own, other, imps: `${signed(boardImps(own, other))} IMP` };
    });
    return { boards: shown, total: `${signed(total)} IMP`, length, points: boards.length ? victoryPoints(length, total) : null };
  }
  let shown;
  // Shows the match; the fields only where they differ, so typing is untouched.
  function render() {
    const { editing } = entry();
    const { boards, total, points } = summed();
    // Written only when it changes, so that a screen reader hears it once.
    const unkept = store.later ? 'Ce match a été enregistré par une version plus récente de QUIMBEL : rechargez la page.'
      : store.saved ? '' : 'Attention : ce match ne sera pas conservé sur cet appareil.';
    if ($('MatchUnkept').textContent !== unkept) $('MatchUnkept').textContent = unkept;
    shown = shownAs();
    $('Total').textContent = total;
    $('VictoryPoints').textContent = points === null ? '' : pointsText(points);
    // Scores are integers, checked as they were stored.
    $('Boards').innerHTML = boards.map(({ id, number, dealer, vulnerable, own, other, imps }) => {
      const cells = [`Donne ${number}`, own, other, imps];
      return `<li${editing === id ? ' class="editing"' : ''}><button type="button" class="board" value="${id}"
aria-label="Donne ${number}, donneur ${dealer}, vulnérabilité ${vulnerable} : notre table ${own}, autre table ${other}, ${imps}. Corriger">
${cells.map((cell) => `<span>${cell}</span>`).join('')}<small>${dealer} · ${vulnerable}</small></button></li>`;
    }).join('');
    const index = indexOf(editing);
    $('EntryTitle').textContent = index >= 0 ? `Corriger la donne ${boardNumber(index)}` : `Donne ${boardNumber(boards.length)}`;
    for (const id of Object.keys(numberFields)) if ($(id) !== document.activeElement) showNumber(id);
    $('MatchLength').placeholder = Math.max(1, boards.length);
    $('Remove').hidden = $('Cancel').hidden = index < 0;
    $('Undo').hidden = !removed;
    for (const input of fields) if (input.value !== entry()[parts[input.id]]) input.value = entry()[parts[input.id]];
    showNext();
  }

  // A board another page removed while this one corrected it: the scores
  // typed stay, as a new board.
  function holdToRemovedBoard() {
    if (entry().editing === null || indexOf(entry().editing) >= 0) return;
    showSaved({ gone: true }, structuredClone(entry()));
  }

  // A fresh entry, or the one given; `focus`, the field to type in.
  function startOver(next = restored(entry()), focus = fields[0]) {
    fields.forEach((input) => setError(input));
    changeEntry((typed) => Object.assign(typed, next));
    render();
    focus.focus();
  }

  const scrollTo = (id) => $('Boards').querySelector(`[value="${id}"]`)?.scrollIntoView({ block: 'nearest' });

  for (const input of fields) {
    const part = parts[input.id];
    caretAfterDigits(input);
    input.addEventListener('focus', () => {
      changeEntry((typed) => {
        typed.next = part;
      });
      showNext();
    });
    const typed = (event) => {
      // A paste is read before anything else is done with it.
      if (/^insertFrom(Paste|Drop)$/.test(event.inputType ?? '')) input.value = settled(input.value);
      setError(input);
      changeEntry((entered) => {
        entered[part] = input.value;
      });
      if (shownAs() !== shown) render();
    };
    input.addEventListener('input', typed);
    input.addEventListener('change', typed);
    $(`${input.id}Sign`).addEventListener('click', actOnce(() => {
      setError(input);
      changeEntry((typed) => {
        typed[part] = signChanged(typed[part]);
        typed.next = part;
      });
      render();
    }));
  }
  // The first board's number, by which the boards are numbered, and the
  // match's length, which the VPs are scored on (until set, the boards
  // entered): each 1 to the largest count. A number out of range is said at the field, and
  // gives way to the stored one when the field is left; an empty length
  // goes back to the boards entered.
  const numberFields = {
    FirstBoard: { stored: () => store.value.firstBoard, keep: (match, number) => { match.firstBoard = number; } },
    MatchLength: { stored: () => store.value.matchLength ?? '', keep: (match, number) => { match.matchLength = number; }, optional: true },
  };
  function showNumber(id) {
    $(id).value = numberFields[id].stored();
    setError($(id));
  }
  for (const [id, { keep, optional }] of Object.entries(numberFields)) {
    const input = $(id);
    input.addEventListener('blur', () => showNumber(id));
    input.addEventListener('input', () => {
      const number = /^\d+$/.test(input.value) ? Number(input.value) : NaN;
      const unset = optional && input.value === '';
      if (!unset && !isBoardNumber(number)) return setError(input, `De 1 à ${largestCount}.`);
      setError(input);
      changeMatch((match) => keep(match, unset ? null : number));
      render();
    });
  }

  $('ShareMatch').addEventListener('click', actOnce(async () => {
    const said = { copied: 'Match copié dans le presse-papiers.', failed: "Le match n'a pu être ni partagé ni copié." };
    const outcome = await handOver({ title: 'Match par quatre', text: matchText(summed()) });
    if (said[outcome]) note.textContent = said[outcome];
  }));

  // Enter in the first field goes on to the second.
  fields[0].addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      fields[1].focus();
    }
  });

  $('Carry').addEventListener('click', actOnce(() => {
    const { next } = entry();
    const input = fields.find((candidate) => parts[candidate.id] === next);
    setError(input);
    changeEntry((typed) => {
      typed[next] = result();
      // The other table's score comes next, when it is still to be filled.
      if (!typed[otherPart(next)]) typed.next = otherPart(next);
    });
    render();
  }));

  // A board saved where the entry says, unless another page removed it or
  // corrected it since it was opened here: what became of it.
  function saveBoard(match, { editing, was }, [own, other]) {
    const index = editing === null ? match.boards.length : match.boards.findIndex((board) => board.id === editing);
    if (index < 0) return { gone: true };
    const stored = match.boards[index];
    if (editing !== null && was && (stored.own !== was.own || stored.other !== was.other)) return { index, changed: stored };
    const board = { id: editing ?? match.nextId++, own, other };
    match.boards[index] = board;
    return { index, board };
  }
  // What became of the board saved, said; a correction not made is kept in
  // the fields. The fields are left to whatever the player went on to meanwhile.
  function showSaved({ gone, index, changed, board }, typed) {
    if (board) {
      note.textContent = `Donne ${boardNumber(index)} : ${signed(boardImps(board.own, board.other))} IMP.`;
      if (JSON.stringify(entry()) === JSON.stringify(typed)) startOver();
      return scrollTo(board.id);
    }
    changeEntry((entered) => Object.assign(entered, typed, gone ? { editing: null, was: null } : { was: changed }));
    note.textContent = gone ? 'La donne que vous corrigiez a été supprimée sur une autre page ; vos marques sont gardées.'
      : `Donne ${boardNumber(index)} corrigée sur une autre page : ${changed.own} / ${changed.other}. Validez à nouveau pour la remplacer.`;
    render();
  }

  // Each Valider in its turn, once the board before is stored, and read as
  // the fields then are.
  let saving = Promise.resolve();
  $('Entry').addEventListener('submit', (event) => {
    event.preventDefault();
    saving = saving.then(saveEntry);
  });
  async function saveEntry() {
    const parsed = fields.map((input) => parseScore(input.value, isDealScore));
    // Cleared first, so that a refusal said again is heard again.
    fields.forEach((input) => setError(input));
    const refused = parsed.findIndex(({ error }) => error);
    if (refused >= 0) {
      requestAnimationFrame(() => parsed.forEach(({ error }, i) => setError(fields[i], error)));
      return fields[refused].focus();
    }
    const scores = parsed.map(({ score }) => score);
    const typed = structuredClone(entry());
    let outcome;
    const stored = changeMatch((match) => {
      outcome = saveBoard(match, typed, scores);
    });
    // The screen shows the board, and empties the fields, once it is stored,
    // so that a reload meanwhile keeps the scores; what became of it is said
    // as stored, over any other page's change made meanwhile.
    await stored;
    showSaved(outcome, typed);
  }
  $('Save').addEventListener('click', actOnce(() => {}));

  // A board opened shows more keys above the list: a second tap is not taken.
  $('Boards').addEventListener('click', actOnce((event) => {
    const id = Number(event.target.closest('button')?.value ?? NaN);
    const board = store.value.boards[indexOf(id)];
    if (!board) return;
    // The new board being typed is put by, to come back after, as its fields show it.
    const typed = entry();
    const kept = typed.editing === null ? { own: fields[0].value, other: fields[1].value, next: typed.next } : typed.kept;
    startOver({ own: String(board.own), other: String(board.other), editing: id, next: 'own', kept, was: { own: board.own, other: board.other } });
  }));
  $('Remove').addEventListener('click', actOnce(() => {
    // The board as stored now, which another page may have moved.
    // The change may run again on another page's record: it only says what it removed.
    const { editing } = entry();
    let taken = null;
    changeMatch((match) => {
      const index = match.boards.findIndex(({ id }) => id === editing);
      taken = index < 0 ? null : { board: match.boards.splice(index, 1)[0], index };
    });
    if (taken) {
      removed = taken;
      note.textContent = `Donne ${boardNumber(taken.index)} (${taken.board.own} / ${taken.board.other}) supprimée.`;
    }
    startOver();
  }));
  $('Undo').addEventListener('click', actOnce(() => {
    const { board, index } = removed;
    changeMatch((match) => {
      if (!match.boards.some(({ id }) => id === board.id)) match.boards.splice(Math.min(index, match.boards.length), 0, board);
    });
    note.textContent = `Donne ${boardNumber(indexOf(board.id))} rétablie.`;
    render();
    scrollTo(board.id);
    $('Boards').querySelector(`[value="${board.id}"]`)?.focus();
  }));
  $('Cancel').addEventListener('click', actOnce(() => startOver()));

  askBeforeErasing({ box: $('Confirm'), opener: $('NewMatch'), no: $('ConfirmNo'), yes: $('ConfirmYes'), actOnce,
    erase() {
      note.textContent = 'Nouveau match.';
      changeMatch((match) => {
        match.boards = [];
        match.firstBoard = 1;
        match.matchLength = null;
      });
      startOver(emptyEntry());
    },
  });

  // Another page's change taken up: the match as stored.
  refresh = () => {
    // Rétablir would bring a board back into a match another page changed.
    removed = null;
    holdToRemovedBoard();
    if (shownAs() === shown) return;
    // A board or a key the new match no longer shows hands focus to the entry.
    const focused = root.contains(document.activeElement);
    render();
    const now = document.activeElement;
    if (focused && (!root.contains(now) || now.closest('[hidden]'))) fields[0].focus();
  };
  // Any of the screen's boxes, the confirmation's and the cards'.
  const boxes = () => [...root.querySelectorAll('dialog')];
  return screenFrame({ root, backKey: $('MatchBack'), store, back, actOnce,
    box: { get open() { return boxes().some(({ open }) => open); }, close: () => boxes().forEach((box) => box.close()) },
    beforeShow: () => {
      holdToRemovedBoard();
      render();
      // A card the address brings, or one received and not yet placed or ignored.
      if (location.hash || store.value.received) withCards((boxes) => boxes.offer());
    } });
}

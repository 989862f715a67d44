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
import { copyBox, handOver, shareOrShow } from '../share.js';
import { matchText, pointsText } from './summary.js';

const field = (id, label) => `<label for="${id}">${label}</label>
<input id="${id}" inputmode="numeric" autocomplete="off" aria-describedby="${id}Error SignHint">
<button id="${id}Sign" type="button" aria-label="Changer le signe : ${label.toLowerCase()}">±</button>
<p id="${id}Error" class="error" role="alert"></p>`;
const numberField = (id, label) => `<label for="${id}">${label}</label><input id="${id}" inputmode="numeric"
autocomplete="off" aria-describedby="${id}Error"><p id="${id}Error" class="error" role="alert"></p>`;
const screenHtml = `<header><button id="MatchBack" type="button">‹ Calculatrice</button>
<h1>Match par quatre</h1></header>
<p id="TotalLine">Total<output id="Total" aria-label="Total" aria-live="polite"></output>
<output id="VictoryPoints" aria-label="Points de victoire"></output></p>
<form id="Entry" class="entry" novalidate><p id="MatchUnkept" class="error" role="alert"></p>
<div class="head"><h2><label id="EntryTitle" for="EntryNumber"></label> <input id="EntryNumber" inputmode="numeric"
autocomplete="off" aria-describedby="EntryNumberError"> <span id="EntryDealt"></span></h2><button id="Remove" type="button">Supprimer</button></div>
<p id="EntryNumberError" class="error" role="alert"></p>
${field('Own', 'Notre table')}${field('Other', 'Autre table')}
<p id="SignHint">Marques vues de notre équipe : -620 si l'adversaire a marqué 620.</p>
<div class="actions"><button id="Carry" type="button"></button><button id="Save">Valider</button>
<button id="Cancel" type="button">Annuler</button></div></form>
<ol id="Boards" aria-label="Donnes"></ol>
<div id="NoteLine"><p id="MatchNote" role="status"></p><button id="Undo" type="button" hidden>Rétablir</button>
${copyBox('ShareText', 'Le match, à copier')}</div>
<footer><div>${numberField('MatchLength', 'Donnes prévues')}</div>
<button id="ShareMatch" type="button">Partager</button><button id="SendCard" type="button">Envoyer ma carte</button><button id="NewMatch" type="button">Nouveau match</button></footer>
<dialog id="Confirm" aria-labelledby="ConfirmText"><p id="ConfirmText">Effacer le match en cours et en commencer un nouveau ?</p>
<button id="ConfirmYes" type="button">Effacer</button> <button id="ConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

// Each score field's part of the entry, and its label.
const parts = { Own: 'own', Other: 'other' };
const labels = { own: 'Notre table', other: 'Autre table' };
const otherPart = (part) => (part === 'own' ? 'other' : 'own');
const waiting = 'en attente';
const complete = ({ own, other }) => own !== null && other !== null;
// Whether scores typed for a new board fill only the tables a board waits for.
const completes = (board, typed) => !complete(board) && ['own', 'other'].every((table) => typed[table] === null || board[table] === null);
// A board's two scores, as said: "620 / en attente".
const scoresSaid = ({ own, other }) => `${own ?? waiting} / ${other ?? waiting}`;
const inOrder = (boards) => boards.sort((a, b) => a.number - b.number);

// The screen, built once by the page's navigator, to show and hide.
export async function build({ engine: { isDealScore }, comparison: { boardImps, totalImps, dealt, victoryPoints, largestCount }, result, back,
  actOnce, presence }) {
  const isBoardNumber = countsUpTo(largestCount);
  await linkStyle(new URL('./match.css', import.meta.url));
  // Another page's change, taken up, is shown once the screen is built.
  let refresh = () => {};
  const store = openMatchStore({ isDealScore, isBoardNumber }, { changed: () => refresh() });
  await store.refresh();
  const isBlank = ({ own, other, number, editing }) => !own && !other && !number && editing === null;
  const typing = await openEntry({ name: 'quimbel.entry', version: 2, migrations: entryMigrations, entryIn, keep: cut, empty: emptyEntry,
    isBlank, record: store, presence });

  const root = Object.assign(document.createElement('main'), { id: 'MatchForm', className: 'screen', hidden: true, innerHTML: screenHtml });
  document.body.append(root);
  const fields = [$('Own'), $('Other')];
  const numberInput = $('EntryNumber');
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
      note.textContent = "La carte n'a pas pu venir : réessayez.";
    });
  };
  $('SendCard').addEventListener('click', actOnce(() => withCards((boxes) => boxes.send())));
  if (store.setAside) note.textContent = "Le match enregistré n'a pas pu être relu ; il reste gardé à part sur cet appareil.";
  const entry = () => typing.value;
  const indexOf = (id) => store.value.boards.findIndex((board) => board.id === id);

  // A new board, once begun, keeps the number its heading showed, as if typed,
  // however other pages then number theirs; the entry belongs to the match
  // as this page knows it.
  const changeEntry = (edit) => typing.change((typed) => {
    edit(typed);
    typed.matchNumber = store.value.matchNumber;
    if (typed.editing === null && !typed.number && (typed.own || typed.other)) typed.number = `${nextNumber(store.value) ?? ''}`;
  });
  // The new board being typed, as it was before a board was looked at.
  const restored = ({ kept }) => ({ ...emptyEntry(), ...kept });
  // Any change to the match ends what Rétablir can bring back, and makes a shared text shown out of date.
  function changeMatch(edit) {
    $('ShareText').hidden = true;
    return store.change((match) => {
      match.removed = null;
      edit(match);
    });
  }

  // The number a new board takes unless another is typed: the one after the
  // highest, or else the first one missing, within the planned boards from
  // the first; none once they are all in.
  function nextNumber({ boards, matchLength }) {
    const first = boards[0]?.number ?? 1;
    const last = Math.min(largestCount, matchLength ? first + matchLength - 1 : largestCount);
    const next = (boards.at(-1)?.number ?? 0) + 1;
    if (next <= last) return next;
    for (let number = first; number <= last; ++number) if (!boards.some((board) => board.number === number)) return number;
    return null;
  }
  // The number a board takes where none is typed: its own for a board being
  // corrected, else the next one.
  const untypedNumber = (match, editing) => match.boards.find((board) => board.id === editing)?.number ?? nextNumber(match);
  // The number the entry saves its board at, as typed or else as shown; and
  // why it cannot where it cannot.
  function entryNumber() {
    const { number: typed, editing } = entry();
    const number = typed ? (/^\d+$/.test(typed) ? Number(typed) : NaN) : untypedNumber(store.value, editing);
    if (!isBoardNumber(number)) return { error: `Numéro de donne de 1 à ${largestCount}.` };
    const { own, other } = entry();
    const typedScores = { own: own.trim() || null, other: other.trim() || null };
    const taken = store.value.boards.some((board) => board.number === number && board.id !== editing
      && !(editing === null && completes(board, typedScores)));
    return taken ? { error: `Donne ${number} déjà saisie : touchez-la pour la corriger.` } : { number };
  }

  // The field Reporter fills next, marked, and Reporter's key naming it.
  function showNext() {
    const { next } = entry();
    fields.forEach((input) => input.classList.toggle('current', parts[input.id] === next));
    showCarry($('Carry'), result(), labels[next]);
  }

  // What the screen shows besides the fields, to tell whether a match stored
  // elsewhere changes it.
  const shownAs = () => JSON.stringify([store.value.boards, store.value.matchLength, store.value.removed, entry().editing, store.later,
    store.saved]);
  // Each board as shown, its IMPs null while it waits for a table's score,
  // and the match's total, length and VPs (null until a board is complete),
  // of the complete boards alone.
  function summed() {
    const { boards, matchLength } = store.value;
    const counted = boards.filter(complete);
    const total = totalImps(counted.map(({ own, other }) => [own, other]));
    // Never fewer than the boards counted.
    const length = Math.max(matchLength ?? 1, counted.length);
    const shown = boards.map((board) => {
      const [dealer, vulnerable] = dealtNames(dealt, board.number);
      return { ...board, dealer, vulnerable, imps: complete(board) ? `${signed(boardImps(board.own, board.other))} IMP` : null };
    });
    return { boards: shown, total: `${signed(total)} IMP`, length, points: counted.length ? victoryPoints(length, total) : null };
  }
  let shown;
  // The list as last written: written again only when it changes, so that a
  // tap on a board, whose press may first blur the number field and render,
  // still lands on the board it pressed.
  let listed;
  // Shows the match; the fields only where they differ, so typing is untouched.
  function render() {
    const { editing, number } = entry();
    const { boards, total, points, length } = summed();
    // Written only when it changes, so that a screen reader hears it once.
    const unkept = store.later ? 'Ce match a été enregistré par une version plus récente de QUIMBEL : rechargez la page.'
      : store.saved ? '' : 'Attention : ce match ne sera pas conservé sur cet appareil.';
    if ($('MatchUnkept').textContent !== unkept) $('MatchUnkept').textContent = unkept;
    shown = shownAs();
    $('Total').textContent = total;
    $('VictoryPoints').textContent = points === null ? '' : pointsText(points);
    // Scores are integers, checked as they were stored.
    const list = boards.map(({ id, number: board, dealer, vulnerable, own, other, imps }) => {
      const cells = [`Donne ${board}`, own ?? '', other ?? '', imps ?? waiting];
      return `<li${editing === id ? ' class="editing"' : ''}><button type="button" class="board" value="${id}"
aria-label="Donne ${board}, donneur ${dealer}, vulnérabilité ${vulnerable} : notre table ${own ?? waiting}, autre table ${other ?? waiting}${
  imps ? `, ${imps}. Corriger` : '. Compléter'}">${cells.map((cell) => `<span>${cell}</span>`).join('')}<small>${dealer} · ${vulnerable}</small></button></li>`;
    }).join('');
    if (list !== listed) $('Boards').innerHTML = listed = list;
    const index = indexOf(editing);
    $('EntryTitle').textContent = index >= 0 ? 'Corriger la donne' : 'Donne';
    if (numberInput !== document.activeElement) numberInput.value = number || (untypedNumber(store.value, editing) ?? '');
    const at = Number(numberInput.value);
    $('EntryDealt').textContent = isBoardNumber(at) ? `· ${dealtNames(dealt, at).join(' · ')}` : '';
    if ($('MatchLength') !== document.activeElement) showLength();
    $('MatchLength').placeholder = length;
    $('Remove').hidden = $('Cancel').hidden = index < 0;
    // Named, so that after a reload, with its note gone, it still says what it brings back.
    const { removed } = store.value;
    $('Undo').hidden = !removed;
    if (removed) $('Undo').textContent = `Rétablir la donne ${removed.number}`;
    for (const input of fields) if (input.value !== entry()[parts[input.id]]) input.value = entry()[parts[input.id]];
    showNext();
  }

  // Whether the match an entry was typed in has been erased since, by another
  // page's Nouveau match: not before a first one.
  const ended = ({ matchNumber }, match) => match.matchNumber !== null && matchNumber !== match.matchNumber;
  // Another page began a new match: the board begun here is the new match's
  // next one, not the number the old match gave it, and its scores stay.
  function holdToMatch() {
    if (!ended(entry(), store.value)) return;
    const begun = !isBlank(entry());
    changeEntry((typed) => Object.assign(typed, { number: '', editing: null, was: null, kept: typed.kept && { ...typed.kept, number: '' } }));
    if (begun) note.textContent = `Nouveau match commencé sur une autre page : donne ${entry().number || nextNumber(store.value)} ; vos marques sont gardées.`;
    render();
  }
  // A board another page removed while this one corrected it: the scores
  // typed stay, as a new board.
  function holdToRemovedBoard() {
    if (entry().editing === null || indexOf(entry().editing) >= 0) return;
    showSaved({ gone: true }, structuredClone(entry()));
  }

  // A fresh entry, or the one given; `focus`, the field to type in.
  function startOver(next = restored(entry()), focus = fields[0]) {
    [...fields, numberInput].forEach((input) => setError(input));
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
  // The board's number, as typed: said at once where it cannot be taken,
  // and shown again as it stands once the field is left.
  numberInput.addEventListener('input', () => {
    // Emptied, it shows the next number again, kept at the next score typed.
    typing.change((typed) => {
      typed.number = numberInput.value.trim();
    });
    setError(numberInput, entryNumber().error);
    render();
  });
  numberInput.addEventListener('blur', render);
  // The match's length, which the VPs are scored on (until set, the boards
  // counted): 1 to the largest count. A number out of range is said at the
  // field, and gives way to the stored one when the field is left; an empty
  // length goes back to the boards counted.
  const lengthInput = $('MatchLength');
  function showLength() {
    lengthInput.value = store.value.matchLength ?? '';
    setError(lengthInput);
  }
  lengthInput.addEventListener('blur', showLength);
  lengthInput.addEventListener('input', () => {
    const number = /^\d+$/.test(lengthInput.value) ? Number(lengthInput.value) : NaN;
    if (lengthInput.value && !isBoardNumber(number)) return setError(lengthInput, `De 1 à ${largestCount}.`);
    setError(lengthInput);
    changeMatch((match) => {
      match.matchLength = number || null;
    });
    render();
  });

  // Where neither a share sheet nor the clipboard takes it, the text is shown, selected, to be copied by hand.
  $('ShareMatch').addEventListener('click', actOnce(async () => {
    await shareOrShow({ title: 'Match par quatre', text: matchText(summed()) }, { note, box: $('ShareText'),
      said: { copied: 'Match copié dans le presse-papiers.', failed: 'Copiez le match ci-dessous :' } });
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

  // A board saved where the entry says, at its number, unless another page
  // began a new match, removed it, corrected it since it was opened here, or
  // gave its number to another board: what became of it.
  function saveBoard(match, { editing, was, matchNumber }, [own, other], number) {
    if (ended({ matchNumber }, match)) return { erased: true };
    const index = editing === null ? match.boards.length : match.boards.findIndex((board) => board.id === editing);
    if (index < 0) return { gone: true };
    const stored = match.boards[index];
    if (editing !== null && was && (stored.own !== was.own || stored.other !== was.other)) return { changed: stored };
    // A new board at the number of one waiting for those tables completes it.
    const waitingAt = editing === null ? match.boards.findIndex((board) => board.number === number) : -1;
    if (waitingAt >= 0 && completes(match.boards[waitingAt], { own, other })) {
      const board = match.boards[waitingAt];
      match.boards[waitingAt] = { ...board, own: board.own ?? own, other: board.other ?? other };
      return { board: match.boards[waitingAt] };
    }
    if (match.boards.some((board) => board.number === number && board.id !== editing)) return { taken: true };
    const board = { id: editing ?? match.nextId++, number, own, other };
    match.boards[index] = board;
    inOrder(match.boards);
    return { board };
  }
  // What became of the board saved, said; a correction not made is kept in
  // the fields. The fields are left to whatever the player went on to meanwhile.
  function showSaved({ erased, gone, changed, taken, board }, typed) {
    if (erased) return holdToMatch();
    if (board) {
      note.textContent = `Donne ${board.number} : ${complete(board) ? `${signed(boardImps(board.own, board.other))} IMP` : waiting}.`;
      if (JSON.stringify(entry()) === JSON.stringify(typed)) startOver();
      // The next board, begun before this one was stored, is the next one, not this one again.
      else if (entry().editing === null && entry().number === typed.number) changeEntry((entered) => { entered.number = ''; });
      return scrollTo(board.id);
    }
    // A table left blank in the correction takes the score stored meanwhile (a
    // teammate's card, another page), so that Valider again never blanks it.
    const filled = changed && { was: changed, own: typed.own || `${changed.own ?? ''}`, other: typed.other || `${changed.other ?? ''}` };
    changeEntry((entered) => Object.assign(entered, typed, gone ? { editing: null, was: null } : filled || {}));
    if (taken) setError(numberInput, entryNumber().error);
    else note.textContent = gone ? 'La donne que vous corrigiez a été supprimée sur une autre page ; vos marques sont gardées.'
      : `Donne ${changed.number} corrigée sur une autre page : ${scoresSaid(changed)}. Validez à nouveau pour la remplacer.`;
    render();
  }

  // Each Valider in its turn, once the board before is stored, and read as
  // the fields then are.
  let saving = Promise.resolve();
  $('Entry').addEventListener('submit', (event) => {
    event.preventDefault();
    saving = saving.then(saveEntry);
  });
  // A board is saved with one table's score, the other waiting; never with neither.
  async function saveEntry() {
    const blank = fields.map((input) => !input.value.trim());
    const parsed = fields.map((input, i) => (blank[i] && !blank.every(Boolean) ? { score: null } : parseScore(input.value, isDealScore)));
    const { number, error } = entryNumber();
    // Cleared first, so that a refusal said again is heard again.
    [...fields, numberInput].forEach((input) => setError(input));
    const refused = [error, ...parsed.map((score) => score.error)];
    const first = refused.findIndex(Boolean);
    if (first >= 0) {
      requestAnimationFrame(() => refused.forEach((why, i) => setError([numberInput, ...fields][i], why)));
      return [numberInput, ...fields][first].focus();
    }
    const scores = parsed.map(({ score }) => score);
    const typed = structuredClone(entry());
    let outcome;
    const stored = changeMatch((match) => {
      outcome = saveBoard(match, typed, scores, number);
    });
    // The screen shows the board, and empties the fields, once it is stored,
    // so that a reload meanwhile keeps the scores; what became of it is said
    // as stored, over any other page's change made meanwhile.
    await stored;
    showSaved(outcome, typed);
  }
  $('Save').addEventListener('click', actOnce(() => {}));

  // A board opened shows more keys above the list: a second tap is not
  // taken. A board waiting for a table's score opens on that field.
  $('Boards').addEventListener('click', actOnce((event) => {
    const id = Number(event.target.closest('button')?.value ?? NaN);
    const board = store.value.boards[indexOf(id)];
    if (!board) return;
    // The new board being typed is put by, to come back after, as its fields show it.
    const typed = entry();
    const kept = typed.editing === null ? { own: fields[0].value, other: fields[1].value, number: typed.number, next: typed.next } : typed.kept;
    const { own, other, number } = board;
    startOver({ own: String(own ?? ''), other: String(other ?? ''), number: String(number), editing: id, next: 'own', kept, was: { own, other } },
      fields[Number(own !== null && other === null)]);
  }));
  $('Remove').addEventListener('click', actOnce(() => {
    // The board as stored now, which another page may have moved.
    // The change may run again on another page's record: it only says what it removed.
    const { editing } = entry();
    let taken = null;
    changeMatch((match) => {
      const index = match.boards.findIndex(({ id }) => id === editing);
      if (index >= 0) taken = match.removed = match.boards.splice(index, 1)[0];
    });
    if (taken) note.textContent = `Donne ${taken.number} (${scoresSaid(taken)}) supprimée.`;
    startOver();
  }));
  // The board comes back at its number, unless another page has given the
  // number to another board meanwhile: then it stays to bring back, its
  // scores said, as stored.
  $('Undo').addEventListener('click', actOnce(async () => {
    const board = store.value.removed;
    // Another page's change, not yet shown, may have ended it.
    if (!board) return;
    let back;
    await changeMatch((match) => {
      back = match.boards.some(({ id }) => id === board.id);
      if (back) return;
      back = !match.boards.some(({ number }) => number === board.number);
      if (back) match.boards = inOrder(match.boards.concat(board));
      else match.removed = board;
    });
    note.textContent = back ? `Donne ${board.number} rétablie.`
      : `Donne ${board.number} déjà saisie ailleurs : la donne supprimée (${scoresSaid(board)}) n'est pas rétablie.`;
    render();
    if (!back) return;
    scrollTo(board.id);
    $('Boards').querySelector(`[value="${board.id}"]`)?.focus();
  }));
  $('Cancel').addEventListener('click', actOnce(() => startOver()));

  askBeforeErasing({ box: $('Confirm'), opener: $('NewMatch'), no: $('ConfirmNo'), yes: $('ConfirmYes'), actOnce,
    erase() {
      note.textContent = 'Nouveau match.';
      // Named once, by when it began: made again over a record this page has
      // not read, the change names the match as the boards saved since do.
      const matchNumber = Date.now();
      changeMatch((match) => Object.assign(match, { boards: [], matchLength: null, matchNumber }));
      startOver(emptyEntry());
    },
  });

  // Another page's change taken up: the match as stored.
  refresh = () => {
    holdToMatch();
    holdToRemovedBoard();
    if (shownAs() === shown) return;
    // A board or a key the new match no longer shows hands focus to the entry.
    const focused = root.contains(document.activeElement);
    render();
    const now = document.activeElement;
    if (focused && (!root.contains(now) || now.closest('[hidden]'))) fields[0].focus();
  };
  return screenFrame({ root, backKey: $('MatchBack'), store, back, actOnce,
    beforeShow: () => {
      holdToMatch();
      holdToRemovedBoard();
      render();
      // A card the address brings, or one received and not yet placed or ignored.
      if (location.hash || store.value.received) withCards((boxes) => boxes.offer());
    },
    // Escape in the middle of a correction cancels it, before it leaves the screen.
    escaped() {
      const correcting = entry().editing !== null;
      if (correcting) startOver();
      return correcting;
    } });
}

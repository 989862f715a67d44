// One board of a pairs event: each table's score from North-South's side,
// as the traveller reads, and what each one is worth, which the engine works
// out anew at every change; kept on the phone as it is typed. Loaded on
// first use, so the calculator never waits for it.
import { countsUpTo, dealtNames } from '../board_number.js';
import { $, askBeforeErasing, setError, showCarry } from '../fields.js';
import { caretAfterDigits, hundredths, parseScore, settled, signChanged, signed } from '../score_text.js';
import { screenFrame } from '../screen_frame.js';
import { linkStyle } from '../style_link.js';
import { openEntry } from '../entry.js';
import { emptyEntry, entryIn, openPairsStore } from './store.js';

// The columns of figures after the score's, by their header cells' ids.
const figureColumns = ['ColRank', 'ColMP', 'ColPctNS', 'ColPctEW', 'ColCross', 'ColButler'];
const screenHtml = `<header><button id="PairsBack" type="button">‹ Calculatrice</button>
<h1>Donne par paires</h1></header>
<div id="PairsBoardLine"><label for="PairsBoard">Donne</label><input id="PairsBoard" inputmode="numeric" autocomplete="off"
aria-describedby="PairsBoardError PairsDealt"><span id="PairsDealt"></span><p id="PairsBoardError" class="error" role="alert"></p></div>
<form id="PairsEntry" class="entry" novalidate><p id="PairsUnkept" class="error" role="alert"></p><h2 id="PairsEntryTitle"></h2>
<label for="PairsScore">Marque N-S</label><input id="PairsScore" inputmode="numeric" autocomplete="off" aria-describedby="PairsScoreError">
<button id="PairsScoreSign" type="button" aria-label="Changer le signe : marque N-S">±</button>
<p id="PairsScoreError" class="error" role="alert"></p>
<div class="actions"><button id="PairsCarry" type="button"></button><button id="PairsAdd"></button>
<button id="PairsRemove" type="button">Supprimer</button><button id="PairsCancel" type="button">Annuler</button></div></form>
<p id="PairsSummary"></p>
<div id="PairsTable"><table id="PairsResults"><thead><tr><th id="ColScore" scope="col">N-S</th><th id="ColRank" scope="col">Rang</th>
<th id="ColMP" scope="col"><abbr title="Points de match">PM</abbr></th><th id="ColPctNS" scope="col">% N-S</th><th id="ColPctEW" scope="col">% E-O</th>
<th id="ColCross" scope="col">IMP croisés</th><th id="ColButler" scope="col">Butler</th></tr></thead><tbody id="PairsRows"></tbody></table></div>
<footer><p id="PairsNote" role="status"></p><button id="PairsNew" type="button">Nouvelle donne</button></footer>
<dialog id="PairsConfirm" aria-labelledby="PairsConfirmText"><p id="PairsConfirmText">Effacer cette donne et en commencer une nouvelle ?</p>
<button id="PairsConfirmYes" type="button">Effacer</button> <button id="PairsConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

const figuresOf = ({ rank, tied, matchpoints, percentNorthSouth, percentEastWest, crossImps, butlerImps }) =>
  [`${rank}${tied ? '=' : ''}`, matchpoints, `${hundredths(percentNorthSouth)} %`, `${hundredths(percentEastWest)} %`,
    hundredths(signed(crossImps)), signed(butlerImps)];

// The screen, built once by the page's navigator, to show and hide.
export async function build({ engine: { isDealScore }, comparison: { pairs, dealt, largestCount }, result, back, actOnce, presence }) {
  const isBoardNumber = countsUpTo(largestCount);
  await linkStyle(new URL('./pairs.css', import.meta.url));
  // Another page's change, taken up, is shown once the screen is built.
  let refresh = () => {};
  const store = openPairsStore({ isDealScore, isBoardNumber, largestCount }, { changed: () => refresh() });
  await store.refresh();
  const typing = await openEntry({ name: 'quimbel.pairs.entry', entryIn, keep: entryIn, empty: emptyEntry,
    isBlank: ({ score, editing }) => !score && editing === null, record: store, presence });
  const root = Object.assign(document.createElement('main'), { id: 'PairsForm', className: 'screen', hidden: true, innerHTML: screenHtml });
  document.body.append(root);
  const [field, boardField, note] = [$('PairsScore'), $('PairsBoard'), $('PairsNote')];
  if (store.setAside) note.textContent = "La donne enregistrée n'a pas pu être relue ; elle reste gardée à part sur cet appareil.";
  // The result being corrected, if it is still there.
  const edited = () => store.value.results.find(({ id }) => id === typing.value.editing);

  const changeEntry = (edit) => typing.change(edit);

  function showBoard() {
    boardField.value = store.value.board;
    setError(boardField);
  }

  // What the screen shows besides the field, to tell whether a board stored
  // elsewhere changes it.
  const shownAs = () => JSON.stringify([store.value.board, store.value.results, edited()?.id, store.later, store.saved]);
  let shown;
  function render() {
    const { board, results } = store.value;
    const entry = typing.value;
    shown = shownAs();
    $('PairsUnkept').textContent = store.later ? 'Cette donne a été enregistrée par une version plus récente de QUIMBEL : rechargez la page.'
      : store.saved ? '' : 'Attention : cette donne ne sera pas conservée sur cet appareil.';
    $('PairsDealt').textContent = dealtNames(dealt, board).join(' · ');
    if (boardField !== document.activeElement) showBoard();
    const scored = pairs(results.map(({ score }) => score));
    $('PairsSummary').textContent = scored ? `Top ${scored.top} · Datum ${scored.datum}` : 'Ajoutez au moins deux résultats.';
    const editing = edited();
    // Scores are integers, checked as they were stored; the best for N-S first.
    const rows = scored ? scored.rows.map((row) => ({ id: results[row.table].id, score: row.score, figures: figuresOf(row) }))
      : results.map(({ id, score }) => ({ id, score, figures: [] }));
    $('PairsRows').innerHTML = rows
      .map(({ id, score, figures }) => `<tr${id === editing?.id ? ' class="editing"' : ''}><td headers="ColScore"><button type="button"
value="${id}" aria-label="Corriger ${score}">${score}</button></td>${figureColumns.map((column, i) =>
        `<td headers="${column}">${figures[i] ?? ''}</td>`).join('')}</tr>`).join('');
    $('PairsEntryTitle').textContent = editing ? `Corriger ${editing.score}` : `Résultat ${results.length + 1}`;
    $('PairsAdd').textContent = editing ? 'Valider' : 'Ajouter';
    $('PairsRemove').hidden = $('PairsCancel').hidden = !editing;
    if (field.value !== entry.score) field.value = entry.score;
    showCarry($('PairsCarry'), result());
  }

  // Back to a new result, with the score that was being typed before a
  // result was looked at.
  function startOver() {
    setError(field);
    changeEntry((entry) => Object.assign(entry, emptyEntry(), { score: entry.kept }));
    render();
    field.focus();
  }
  const scrollTo = (id) => $('PairsRows').querySelector(`[value="${id}"]`)?.scrollIntoView({ block: 'nearest' });

  caretAfterDigits(field);
  field.addEventListener('input', (event) => {
    // A paste is read before anything else is done with it.
    if (/^insertFrom(Paste|Drop)$/.test(event.inputType ?? '')) field.value = settled(field.value);
    setError(field);
    changeEntry((entry) => {
      entry.score = field.value;
    });
    if (shownAs() !== shown) render();
  });
  $('PairsScoreSign').addEventListener('click', actOnce(() => {
    setError(field);
    changeEntry((entry) => {
      entry.score = signChanged(entry.score);
    });
    render();
  }));
  $('PairsCarry').addEventListener('click', actOnce(() => {
    setError(field);
    changeEntry((entry) => {
      entry.score = result();
    });
    render();
  }));

  // A number out of range is said at the field, and gives way to the stored
  // one when the field is left.
  boardField.addEventListener('blur', showBoard);
  boardField.addEventListener('input', () => {
    const number = /^\d+$/.test(boardField.value.trim()) ? Number(boardField.value) : NaN;
    if (!isBoardNumber(number)) return setError(boardField, `De 1 à ${largestCount}.`);
    setError(boardField);
    store.change((pairsBoard) => {
      pairsBoard.board = number;
    });
    render();
  });

  // A result saved where the entry says, unless another page removed it or
  // corrected it since it was opened here: what became of it.
  function saveResult(board, { editing, was }, score) {
    if (editing === null && board.results.length >= largestCount) return { full: true };
    if (editing === null) {
      const id = board.nextId++;
      board.results.push({ id, score });
      return { id };
    }
    const stored = board.results.find((result) => result.id === editing);
    if (!stored) return { gone: true };
    // An entry kept from before it held the score opened is not checked.
    if (was !== null && stored.score !== was) return { changed: stored.score };
    const before = stored.score;
    stored.score = score;
    return { id: editing, was: before };
  }
  // What became of the result saved, said; a correction not made is kept in
  // the field. The field is left to whatever the player went on to meanwhile.
  function showSaved({ id, was, gone, changed, full }, typed, score) {
    if (id !== undefined) {
      note.textContent = was === undefined ? `Résultat ${score} ajouté.` : `Résultat ${was} corrigé : ${score}.`;
      if (JSON.stringify(typing.value) === JSON.stringify(typed)) startOver();
      return scrollTo(id);
    }
    if (full) {
      changeEntry((entry) => Object.assign(entry, typed));
      render();
      refuse(`Une donne compte au plus ${largestCount} résultats.`);
      return;
    }
    changeEntry((entry) => Object.assign(entry, typed, gone ? { editing: null, was: null } : { was: changed }));
    note.textContent = gone ? 'Le résultat que vous corrigiez a été supprimé sur une autre page ; votre marque est gardée.'
      : `Résultat ${typed.was} corrigé sur une autre page : ${changed}. Validez à nouveau pour le remplacer.`;
    render();
  }
  // A refusal said at the field once it is cleared, so that one said again is heard again.
  function refuse(error) {
    requestAnimationFrame(() => setError(field, error));
    field.focus();
  }
  // A result another page removed while this one corrected it: the score
  // typed stays, as a new result.
  function holdToRemovedResult() {
    if (typing.value.editing !== null && !edited()) showSaved({ gone: true }, structuredClone(typing.value));
  }

  // Each Ajouter in its turn, once the result before is stored, and read as
  // the field then is.
  let saving = Promise.resolve();
  $('PairsEntry').addEventListener('submit', (event) => {
    event.preventDefault();
    saving = saving.then(saveEntry);
  });
  async function saveEntry() {
    // Cleared first, so that a refusal said again is heard again.
    setError(field);
    const typed = structuredClone(typing.value);
    const { score, error } = parseScore(field.value, isDealScore);
    if (error) return refuse(error);
    let outcome;
    const stored = store.change((board) => {
      outcome = saveResult(board, typed, score);
    });
    // The screen shows the result, and empties the field, once it is stored,
    // so that a reload meanwhile keeps the score; what became of it is said
    // as stored, over any other page's change made meanwhile.
    await stored;
    showSaved(outcome, typed, score);
  }
  $('PairsAdd').addEventListener('click', actOnce(() => {}));

  // A result opened shows more keys above the table: a second tap is not taken.
  $('PairsRows').addEventListener('click', actOnce((event) => {
    const id = Number(event.target.closest('button')?.value ?? NaN);
    const chosen = store.value.results.find((result) => result.id === id);
    if (!chosen) return;
    setError(field);
    changeEntry((entry) => {
      // The new score being typed is put by, to come back after.
      if (!edited()) entry.kept = field.value;
      Object.assign(entry, { score: String(chosen.score), editing: id, was: chosen.score });
    });
    render();
    field.focus();
  }));
  $('PairsRemove').addEventListener('click', actOnce(() => {
    const removed = edited();
    if (removed) {
      note.textContent = `Résultat ${removed.score} supprimé.`;
      store.change((board) => {
        board.results = board.results.filter(({ id }) => id !== removed.id);
      });
    }
    startOver();
  }));
  $('PairsCancel').addEventListener('click', actOnce(() => startOver()));

  askBeforeErasing({ box: $('PairsConfirm'), opener: $('PairsNew'), no: $('PairsConfirmNo'), yes: $('PairsConfirmYes'),
    actOnce, erase() {
      // The next board follows, as travellers are scored one after another;
      // unless another page moved on from this board first.
      const shownBoard = store.value.board;
      store.change((board) => {
        if (board.board === shownBoard) Object.assign(board, { board: shownBoard % largestCount + 1, results: [] });
      });
      note.textContent = `Nouvelle donne : donne ${store.value.board}.`;
      changeEntry((entry) => Object.assign(entry, emptyEntry()));
      startOver();
    },
  });

  // Another page's change taken up: the board as stored, the score being
  // typed left as it is.
  refresh = () => {
    holdToRemovedResult();
    if (shownAs() === shown) return;
    const typed = document.activeElement === field ? field.value : null;
    render();
    if (typed !== null) field.value = typed;
  };
  return screenFrame({ root, backKey: $('PairsBack'), store, back, actOnce, beforeShow: () => {
    holdToRemovedResult();
    render();
  } });
}

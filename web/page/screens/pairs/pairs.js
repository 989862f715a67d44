// A pairs session: each board's traveller, each table's result with its two
// pairs and its score from North-South's side (or an adjusted score), what
// each result is worth on its board, and the session's ranking, which the
// engine works out anew at every change; kept on the phone as it is typed.
// Loaded on first use, so the calculator never waits for it.
import { countsUpTo, dealtNames } from '../board_number.js';
import { $, askBeforeErasing, setError, showCarry } from '../fields.js';
import { caretAfterDigits, hundredths, parseScore, settled, signChanged, signed, tenths } from '../score_text.js';
import { screenFrame } from '../screen_frame.js';
import { linkStyle } from '../style_link.js';
import { openEntry } from '../entry.js';
import { copyBox, shareOrShow } from '../share.js';
import { adjustedNames, emptyEntry, entryIn, openPairsStore, sameResult } from './store.js';
import { clashOf, pairsRefused } from './pair_numbers.js';

// The columns of figures after the score's, by their header cells' ids.
const figureColumns = ['ColRank', 'ColMP', 'ColPctNS', 'ColPctEW', 'ColCross', 'ColButler'];
const rankingColumns = ['ColPlace', 'ColPlayed', 'ColTotal', 'ColPercent'];
const pairField = (id, label) => `<label for="${id}">${label}</label><input id="${id}" inputmode="numeric" autocomplete="off"
aria-describedby="${id}Error">`;
// Header cells by id; a pair's column shows its direction alone, to keep nine columns within a phone's width.
const headers = (cells) => cells.map(([id, text, name]) => `<th id="${id}" scope="col"${name ? ` aria-label="${name}"` : ''}>${text}</th>`)
  .join('');
const screenHtml = `<header><button id="PairsBack" type="button">‹ Calculatrice</button>
<h1>Tournoi par paires</h1></header>
<div id="PairsBoardLine"><label for="PairsBoard">Donne</label><input id="PairsBoard" inputmode="numeric" autocomplete="off"
aria-describedby="PairsBoardError PairsDealt"><span id="PairsDealt"></span><p id="PairsBoardError" class="error" role="alert"></p></div>
<form id="PairsEntry" class="entry" novalidate><p id="PairsUnkept" class="error" role="alert"></p><h2 id="PairsEntryTitle"></h2>
<div class="pairs">${pairField('PairsNS', 'N-S')}${pairField('PairsEW', 'E-O')}<select id="PairsAdjusted" aria-label="Marque ou marque ajustée">
${['Marque', ...adjustedNames].map((name, code) => `<option value="${code}">${name}</option>`).join('')}</select></div>
<p id="PairsNSError" class="error" role="alert"></p><p id="PairsEWError" class="error" role="alert"></p>
<label for="PairsScore">Marque N-S</label><input id="PairsScore" inputmode="numeric" autocomplete="off" aria-describedby="PairsScoreError">
<button id="PairsScoreSign" type="button" aria-label="Changer le signe : marque N-S">±</button>
<p id="PairsScoreError" class="error" role="alert"></p>
<div class="actions"><button id="PairsCarry" type="button"></button><button id="PairsAdd"></button>
<button id="PairsRemove" type="button">Supprimer</button><button id="PairsCancel" type="button">Annuler</button></div></form>
<p id="PairsSummary" aria-live="polite"></p>
<div id="PairsTable"><table id="PairsResults"><thead><tr>${headers([['ColScore', 'Marque'], ['ColNS', 'N-S', 'Paire N-S'], ['ColEW', 'E-O', 'Paire E-O'],
  ['ColRank', 'Rang'], ['ColMP', '<abbr title="Points de match">PM</abbr>'], ['ColPctNS', '% N-S'], ['ColPctEW', '% E-O'],
  ['ColCross', 'IMP croisés'], ['ColButler', 'Butler']])}</tr></thead><tbody id="PairsRows"></tbody></table>
<div class="head"><h2 id="PairsRankingTitle">Classement</h2><select id="PairsMovement" aria-label="Mouvement"
aria-describedby="PairsMovementError"><option value="howell">Howell</option><option value="mitchell">Mitchell</option></select>
<button id="PairsShare" type="button">Partager</button></div><p id="PairsMovementError" class="error" role="alert"></p>
<p id="PairsRankingNote" aria-live="polite"></p><table id="PairsRanking" aria-labelledby="PairsRankingTitle"><thead><tr>${headers([['ColPair', 'Paire'],
  ['ColPlace', 'Place'], ['ColPlayed', 'Donnes'], ['ColTotal', 'Total'], ['ColPercent', '%']])}</tr></thead><tbody></tbody></table></div>
<footer><p id="PairsNote" role="status"></p>${copyBox('PairsShareText', 'Le classement, à copier')}<button id="PairsUndo" type="button" hidden>Rétablir</button>
<button id="PairsNext" type="button">Nouvelle donne</button><button id="PairsNew" type="button">Nouveau tournoi</button></footer>
<dialog id="PairsConfirm" aria-labelledby="PairsConfirmText"><p id="PairsConfirmText">Effacer tout le tournoi et en commencer un nouveau ?</p>
<button id="PairsConfirmYes" type="button">Effacer</button> <button id="PairsConfirmNo" type="button" autofocus>Annuler</button></dialog>`;

const figuresOf = ({ rank, tied, matchpoints, percentNorthSouth, percentEastWest, crossImps, butlerImps }) =>
  [`${rank}${tied ? '=' : ''}`, matchpoints, `${hundredths(percentNorthSouth)} %`, `${hundredths(percentEastWest)} %`,
    hundredths(signed(crossImps)), signed(butlerImps)];
// A ranked pair's figures as shown, its name first.
const rankedOf = ({ direction, pair, place, tied, played, total, percent }) =>
  [{ howell: '', ns: 'N-S ', ew: 'E-O ' }[direction] + pair, `${place}${tied ? '=' : ''}`, played, tenths(total), `${hundredths(percent)} %`];
// A result's score, or its adjusted score; and the result, its pairs first.
const scoreText = ({ score, adjusted }) => (adjusted ? adjustedNames[adjusted - 1] : String(score));
const resultText = (result) => (result.ns === null ? '' : `${result.ns} contre ${result.ew}, `) + scoreText(result);
// Each row's cells: the first its header, each named by its column.
const row = (cells, [first, ...columns], header, className = '') => `<tr${className}><th scope="row" headers="${first}">${header}</th>${
  columns.map((column, i) => `<td headers="${column}">${cells[i] ?? ''}</td>`).join('')}</tr>`;

// The screen, built once by the page's navigator, to show and hide.
export async function build({ engine: { isDealScore }, comparison: { pairs, session, dealt, largestCount }, result, back, actOnce, presence }) {
  const isBoardNumber = countsUpTo(largestCount);
  await linkStyle(new URL('./pairs.css', import.meta.url));
  // Another page's change, taken up, is shown once the screen is built.
  let refresh = () => {};
  const store = openPairsStore({ isDealScore, isBoardNumber, largestCount }, { changed: () => refresh() });
  await store.refresh();
  const entryOf = (entry) => entryIn(entry, isBoardNumber);
  const isBlank = ({ ns, ew, adjusted, score, editing }) => !ns && !ew && !adjusted && !score && editing === null;
  const typing = await openEntry({ name: 'quimbel.pairs.entry', entryIn: entryOf, keep: entryOf, empty: emptyEntry, isBlank, record: store,
    presence });
  // A page with no board of its own (opened anew, or kept from before pages
  // had their own) takes the one holding the result it corrects, else the
  // one last typed on, in the tournament as stored.
  if (!isBoardNumber(typing.value.board)) {
    const { boards, lastEntry, tournament } = store.value;
    const corrected = boards.find(({ results }) => results.some(({ id }) => id === typing.value.editing));
    typing.change((entry) => Object.assign(entry, { board: corrected?.number ?? lastEntry?.entry.board ?? 1, tournament }));
  }
  const root = Object.assign(document.createElement('main'), { id: 'PairsForm', className: 'screen', hidden: true, innerHTML: screenHtml });
  document.body.append(root);
  const [field, boardField, note, adjustedField, movementField] = [$('PairsScore'), $('PairsBoard'), $('PairsNote'), $('PairsAdjusted'),
    $('PairsMovement')];
  // The entry's text fields, by the part of the entry each holds.
  const typedFields = { ns: $('PairsNS'), ew: $('PairsEW'), score: field };
  if (store.setAside) note.textContent = "Le tournoi enregistré n'a pas pu être relu ; il reste gardé à part sur cet appareil.";
  // A board of `session`, by default this page's own, and its results.
  const boardOf = (session, number = typing.value.board) => session.boards.find((board) => board.number === number);
  const results = () => boardOf(store.value)?.results ?? [];
  // The result being corrected, if it is still there.
  const edited = () => results().find(({ id }) => id === typing.value.editing);
  const changeEntry = (edit) => typing.change(edit);
  // Any change to the session ends what Rétablir can bring back, and makes a
  // shared text shown out of date; a refusal at the movement holds until then.
  function changeSession(edit) {
    setError(movementField);
    $('PairsShareText').hidden = true;
    return store.change((stored) => {
      stored.removed = null;
      edit(stored);
    });
  }
  const clearErrors = () => Object.values(typedFields).forEach((input) => setError(input));

  function showBoard() {
    boardField.value = typing.value.board;
    setError(boardField);
  }
  // Written only when it changes, so that a screen reader hears it once.
  const say = (element, text) => element.textContent !== text && (element.textContent = text);

  // The boards with results, as the engine counts them.
  const played = (value) => value.boards.filter((board) => board.results.length);
  // The session's ranking in `movement`, in its rankings' order, or where it cannot be ranked.
  const ranked = (movement = store.value.movement, value = store.value) => session({ mitchell: movement === 'mitchell',
    boards: played(value).map((board) => board.results.map(({ ns, ew, score, adjusted }) =>
      ({ ns: ns ?? 0, ew: ew ?? 0, ...(adjusted ? { adjusted } : { score }) }))) });

  // What the screen shows besides the fields, to tell whether a session stored
  // elsewhere changes it.
  const shownAs = () => JSON.stringify([store.value.movement, store.value.boards, edited()?.id, store.later, store.saved,
    store.value.removed]);
  let shown;
  function render() {
    const { movement } = store.value;
    const entry = typing.value;
    shown = shownAs();
    say($('PairsUnkept'), store.later ? 'Ce tournoi a été enregistré par une version plus récente de QUIMBEL : rechargez la page.'
      : store.saved ? '' : 'Attention : ce tournoi ne sera pas conservé sur cet appareil.');
    $('PairsDealt').textContent = dealtNames(dealt, entry.board).join(' · ');
    if (boardField !== document.activeElement) showBoard();
    movementField.value = movement;
    // Only the scored results are matchpointed on the board: the adjusted ones follow them.
    const all = results();
    const scoredResults = all.filter(({ adjusted }) => !adjusted);
    const scored = pairs(scoredResults.map(({ score }) => score));
    say($('PairsSummary'), scored ? `Top ${scored.top} · Datum ${scored.datum}` : 'Ajoutez au moins deux marques.');
    const editing = edited();
    // Scores are integers, checked as they were stored; the best for N-S first.
    const shownRows = [...(scored ? scored.rows.map((figures) => ({ ...scoredResults[figures.table], figures: figuresOf(figures) }))
      : scoredResults), ...all.filter(({ adjusted }) => adjusted)];
    $('PairsRows').innerHTML = shownRows.map((shownRow) => {
      const text = scoreText(shownRow);
      return row([shownRow.ns, shownRow.ew, ...(shownRow.figures ?? [])], ['ColScore', 'ColNS', 'ColEW', ...figureColumns],
        `<button type="button" value="${shownRow.id}" aria-label="Corriger ${text}">${text}</button>`,
        shownRow.id === editing?.id ? ' class="editing"' : '');
    }).join('');
    const standings = ranked();
    const rows = standings?.rows ?? [];
    say($('PairsRankingNote'), standings?.refused ? refusalText(standings.refused, movement)
      : rows.length ? '' : 'Le classement paraît dès qu\'une donne a deux résultats, avec les paires de chacun.');
    $('PairsRanking').tBodies[0].innerHTML = rows.map((pair) => {
      const [name, ...cells] = rankedOf(pair);
      return row(cells, ['ColPair', ...rankingColumns], name);
    }).join('');
    $('PairsShare').disabled = !rows.length;
    $('PairsEntryTitle').textContent = editing ? `Corriger ${resultText(editing)}` : `Résultat ${all.length + 1}`;
    $('PairsAdd').textContent = editing ? 'Valider' : 'Ajouter';
    $('PairsRemove').hidden = $('PairsCancel').hidden = !editing;
    $('PairsUndo').hidden = !store.value.removed;
    for (const [part, input] of Object.entries(typedFields)) if (input.value !== entry[part]) input.value = entry[part];
    adjustedField.value = entry.adjusted;
    // An adjusted score has no score to type.
    field.disabled = $('PairsScoreSign').disabled = entry.adjusted > 0;
    showCarry($('PairsCarry'), entry.adjusted ? '' : result());
  }

  // Why the session cannot be ranked in `movement`, from the engine's
  // refusal: the board, the result at fault and the pair that cannot sit
  // there; `named`, the movement's name where it is not yet taken.
  function refusalText({ board, result: index }, movement, named) {
    const { number, results: list = [] } = played(store.value)[board] ?? {};
    const at = list[index];
    const clash = at && clashOf(at, list.filter((other) => other !== at), movement === 'howell');
    const pair = clash ? `la paire ${clash.pair} ${named ? 'jouerait' : 'joue'} ${clash.itself ? 'contre elle-même' : 'deux fois'}`
      : 'pas de classement possible';
    return named ? `Donne ${number} : ${pair} en ${named}.`
      : `Donne ${number}${at ? `, résultat ${resultText(at)}` : ''} : ${pair}. Corrigez-la pour obtenir le classement.`;
  }

  // Back to a new result, with what was being typed before a result was
  // looked at; `focus`, the field to type in.
  function startOver(focus = field) {
    clearErrors();
    changeEntry((entry) => Object.assign(entry, emptyEntry(), entry.kept));
    render();
    (focus.disabled ? typedFields.ns : focus).focus();
  }
  const scrollTo = (id) => $('PairsRows').querySelector(`[value="${id}"]`)?.scrollIntoView({ block: 'nearest' });

  caretAfterDigits(field);
  for (const [part, input] of Object.entries(typedFields)) {
    input.addEventListener('input', (event) => {
      // A paste is read before anything else is done with it.
      if (part === 'score' && /^insertFrom(Paste|Drop)$/.test(event.inputType ?? '')) field.value = settled(field.value);
      setError(input);
      changeEntry((entry) => {
        entry[part] = input.value;
      });
      if (shownAs() !== shown) render();
    });
  }
  // Enter in a pair's field goes on to the next field, as a traveller is read.
  for (const [input, next] of [[typedFields.ns, typedFields.ew], [typedFields.ew, field]]) {
    input.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || next.disabled) return;
      event.preventDefault();
      next.focus();
    });
  }
  adjustedField.addEventListener('change', () => {
    setError(field);
    changeEntry((entry) => {
      entry.adjusted = Number(adjustedField.value);
    });
    render();
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

  // Another board shown, on this page alone: a correction under way gives
  // way to the new result that was being typed.
  function showNumber(number) {
    changeEntry((entry) => {
      entry.board = number;
    });
    if (typing.value.editing !== null) startOver(boardField);
    render();
  }
  // A number out of range is said at the field, and gives way to the stored
  // one when the field is left.
  boardField.addEventListener('blur', showBoard);
  boardField.addEventListener('input', () => {
    const number = /^\d+$/.test(boardField.value.trim()) ? Number(boardField.value) : NaN;
    if (!isBoardNumber(number)) return setError(boardField, `De 1 à ${largestCount}.`);
    setError(boardField);
    showNumber(number);
  });
  // A movement the session cannot be ranked in is refused at its field, with
  // the board at fault; checked again on the session as stored.
  movementField.addEventListener('change', () => {
    const { value: movement, selectedOptions: [{ text }] } = movementField;
    const refused = ranked(movement)?.refused;
    if (refused) {
      movementField.value = store.value.movement;
      // Cleared first, so that a refusal said again is heard again.
      setError(movementField);
      return requestAnimationFrame(() => setError(movementField, refusalText(refused, movement, text)));
    }
    changeSession((stored) => {
      if (!ranked(movement, stored)?.refused) stored.movement = movement;
    });
    render();
  });
  // Travellers are scored one after another.
  $('PairsNext').addEventListener('click', actOnce(() => {
    const next = typing.value.board % largestCount + 1;
    showNumber(next);
    note.textContent = `Donne ${next}.`;
  }));

  // A result saved where the entry says, on its board, unless another page
  // began a new tournament since, or removed or corrected the result since
  // it was opened here: what became of it.
  function saveResult(stored, { editing, was, board: number, tournament }, saved) {
    if (ended(tournament, stored)) return { erased: true };
    let board = boardOf(stored, number);
    if (!board) stored.boards.push(board = { number, results: [] });
    if (editing === null && board.results.length >= largestCount) return { full: true };
    // Another page may have seated one of its pairs on the board meanwhile.
    const others = board.results.filter(({ id }) => id !== editing);
    if (saved.ns !== null && clashOf(saved, others, stored.movement === 'howell')) return { clash: true };
    if (editing === null) {
      const id = stored.nextId++;
      board.results.push({ id, ...saved });
      return { id };
    }
    const index = board.results.findIndex((result) => result.id === editing);
    if (index < 0) return { gone: true };
    // An entry kept from before it held the result opened is not checked.
    if (was !== null && !sameResult(board.results[index], was)) return { changed: board.results[index] };
    const before = board.results[index];
    board.results[index] = { id: editing, ...saved };
    return { id: editing, was: before };
  }
  // What became of the result saved, said; a correction not made is kept in
  // the fields. The fields are left to whatever the player went on to meanwhile.
  function showSaved({ id, was, gone, changed, full, clash, erased }, typed, saved) {
    if (erased) return holdToTournament();
    if (id !== undefined) {
      note.textContent = was === undefined ? `Résultat ${resultText(saved)} ajouté.`
        : `Résultat ${resultText(was)} corrigé : ${resultText(saved)}.`;
      if (JSON.stringify(typing.value) === JSON.stringify(typed)) startOver(saved.ns === null ? field : typedFields.ns);
      return scrollTo(id);
    }
    if (full || clash) {
      changeEntry((entry) => Object.assign(entry, typed));
      render();
      refuse(full ? { score: `Une donne compte au plus ${largestCount} résultats.` } : refusedPairs(typed).errors);
      return;
    }
    changeEntry((entry) => Object.assign(entry, typed, gone ? { editing: null, was: null } : { was: changed }));
    note.textContent = gone ? 'Le résultat que vous corrigiez a été supprimé sur une autre page ; votre saisie est gardée.'
      : `Résultat ${resultText(typed.was)} corrigé sur une autre page : ${resultText(changed)}. Validez à nouveau pour le remplacer.`;
    render();
  }
  // Each refusal said at its field once they are cleared, so that one said
  // again is heard again; the first refused field takes the focus.
  function refuse(errors) {
    requestAnimationFrame(() => Object.entries(errors).forEach(([part, error]) => setError(typedFields[part], error)));
    typedFields[Object.keys(typedFields).find((part) => errors[part])].focus();
  }
  // A result another page removed while this one corrected it: what was
  // typed stays, as a new result.
  function holdToRemovedResult() {
    if (typing.value.editing !== null && !edited()) showSaved({ gone: true }, structuredClone(typing.value));
  }
  // Whether the tournament of an entry's board was erased in `session`: not
  // before a first Nouveau tournoi, nor while the session is not read.
  const ended = (tournament, session) => session.tournament !== null && tournament !== session.tournament;
  // Another page began a new tournament: this page goes to its first board,
  // not to add to a board of the one erased, and what it typed stays, as a new result.
  function holdToTournament() {
    if (!ended(typing.value.tournament, store.value)) return;
    changeEntry((entry) => Object.assign(entry, { board: 1, tournament: store.value.tournament, editing: null, was: null }));
    note.textContent = `Nouveau tournoi commencé sur une autre page : donne 1${isBlank(typing.value) ? '' : ' ; votre saisie est gardée'}.`;
    render();
  }

  // Each Ajouter in its turn, once the result before is stored, and read as
  // the fields then are.
  let saving = Promise.resolve();
  $('PairsEntry').addEventListener('submit', (event) => {
    event.preventDefault();
    saving = saving.then(saveEntry);
  });
  // The entry's pairs against the board's other results as stored.
  const refusedPairs = (typed) => pairsRefused(typed, results().filter(({ id }) => id !== typed.editing), store.value.movement === 'howell');
  async function saveEntry() {
    // Cleared first, so that a refusal said again is heard again.
    clearErrors();
    const typed = structuredClone(typing.value);
    const { ns, ew, errors } = refusedPairs(typed);
    const { score, error } = typed.adjusted ? {} : parseScore(field.value, isDealScore);
    if (error) errors.score = error;
    if (Object.keys(errors).length) return refuse(errors);
    const saved = { ns, ew, ...(typed.adjusted ? { adjusted: typed.adjusted } : { score }) };
    let outcome;
    const stored = changeSession((session) => {
      outcome = saveResult(session, typed, saved);
    });
    // The screen shows the result, and empties the fields, once it is
    // stored, so that a reload meanwhile keeps them; what became of it is
    // said as stored, over any other page's change made meanwhile.
    await stored;
    showSaved(outcome, typed, saved);
  }
  $('PairsAdd').addEventListener('click', actOnce(() => {}));

  // A result opened shows more keys above the table: a second tap is not taken.
  $('PairsRows').addEventListener('click', actOnce((event) => {
    const id = Number(event.target.closest('button')?.value ?? NaN);
    const chosen = results().find((stored) => stored.id === id);
    if (!chosen) return;
    clearErrors();
    changeEntry((entry) => {
      // The new result being typed is put by, to come back after.
      if (!edited()) entry.kept = { ns: entry.ns, ew: entry.ew, adjusted: entry.adjusted, score: field.value };
      Object.assign(entry, { ns: String(chosen.ns ?? ''), ew: String(chosen.ew ?? ''), adjusted: chosen.adjusted ?? 0,
        score: chosen.adjusted ? '' : String(chosen.score), editing: id, was: chosen });
    });
    render();
    (field.disabled ? typedFields.ns : field).focus();
  }));
  $('PairsRemove').addEventListener('click', actOnce(() => {
    // The board as stored now, which another page may have changed: the
    // change may run again on another page's record, and only says what it removed.
    const { editing, board: number } = typing.value;
    let taken = null;
    changeSession((stored) => {
      const board = boardOf(stored, number);
      const index = board?.results.findIndex(({ id }) => id === editing) ?? -1;
      taken = index < 0 ? null : { number: board.number, index, result: board.results.splice(index, 1)[0] };
      stored.removed = taken;
    });
    if (taken) {
      note.textContent = `Résultat ${resultText(taken.result)} supprimé.`;
    }
    startOver();
  }));
  $('PairsUndo').addEventListener('click', actOnce(() => {
    // Another page's change, not yet shown, may have ended it.
    if (!store.value.removed) return;
    const { number, index, result: back } = store.value.removed;
    changeSession((stored) => {
      let board = boardOf(stored, number);
      if (!board) stored.boards.push(board = { number, results: [] });
      if (!stored.boards.some(({ results: list }) => list.some(({ id }) => id === back.id))) {
        board.results.splice(Math.min(index, board.results.length), 0, back);
      }
    });
    note.textContent = `Résultat ${resultText(back)} rétabli sur la donne ${number}.`;
    render();
    scrollTo(back.id);
    $('PairsRows').querySelector(`[value="${back.id}"]`)?.focus();
  }));
  $('PairsCancel').addEventListener('click', actOnce(() => startOver()));

  // Where neither a share sheet nor the clipboard takes it, the text is shown, selected, to be copied by hand.
  $('PairsShare').addEventListener('click', actOnce(async () => {
    // "3= Paire 2 — 33,33 %": in a Howell, a pair's number alone would read as a place.
    const lines = (ranked()?.rows ?? []).map((pair) => {
      const [name, place, , , percent] = rankedOf(pair);
      return `${place}${pair.tied ? '' : '.'} ${pair.direction === 'howell' ? 'Paire ' : ''}${name} — ${percent}`;
    });
    await shareOrShow({ title: 'Tournoi par paires', text: ['Tournoi par paires', ...lines].join('\n') }, { note, box: $('PairsShareText'),
      said: { copied: 'Classement copié dans le presse-papiers.', failed: 'Copiez le classement ci-dessous :' } });
  }));

  askBeforeErasing({ box: $('PairsConfirm'), opener: $('PairsNew'), no: $('PairsConfirmNo'), yes: $('PairsConfirmYes'),
    actOnce, erase() {
      // Named once, by when it began: made again over a record this page has
      // not read (another page's, or one storage held back), the change names
      // the tournament as this page's entry does, and the results typed since stay in it.
      const tournament = Date.now();
      changeSession((stored) => Object.assign(stored, { tournament, boards: [] }));
      note.textContent = 'Nouveau tournoi : donne 1.';
      changeEntry((entry) => Object.assign(entry, emptyEntry(), { board: 1, tournament }));
      startOver();
    },
  });

  // Another page's change taken up: the session as stored, what is being
  // typed left as it is.
  refresh = () => {
    holdToTournament();
    holdToRemovedResult();
    if (shownAs() === shown) return;
    const focused = Object.values(typedFields).find((input) => input === document.activeElement);
    const typed = focused?.value;
    render();
    if (focused) focused.value = typed;
  };
  return screenFrame({ root, backKey: $('PairsBack'), store, back, actOnce, beforeShow: () => {
    holdToTournament();
    holdToRemovedResult();
    render();
  },
  // Escape in the middle of a correction cancels it, before it leaves the screen.
  escaped: () => typing.value.editing !== null && (startOver(), true) });
}

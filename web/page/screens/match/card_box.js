// The two boxes that carry a card between the team's two tables: Envoyer ma
// carte shows our table's card as a QR code and a link; a link opened shows
// the card it brings, kept in the match until the player places it in Autre
// table or ignores it. Loaded by the match screen with the first card to show.
import { correction, generate } from 'lean-qr/nano';
import { $ } from '../fields.js';
import { cardFragment, cardMark, readCard } from './card_link.js';
import { ownCard, placeCard, spanned } from './card_place.js';

const boxesHtml = `<dialog id="CardBox" aria-labelledby="CardTitle"><h2 id="CardTitle">Ma carte</h2>
<p id="CardHint"></p><canvas id="CardQR" role="img" width="0" height="0"></canvas><p id="CardLink"></p>
<p id="CardSaid" role="status"></p><div class="actions"><button id="CardShare" type="button">Partager le lien</button>
<button id="CardClose" type="button">Fermer</button></div></dialog>
<dialog id="CardReceived" aria-labelledby="ReceivedTitle" aria-describedby="ReceivedText"><h2 id="ReceivedTitle">Carte reçue</h2>
<p id="ReceivedText"></p><ul id="ReceivedKept"></ul><div class="actions"><button id="CardAccept" type="button">Placer dans Autre table</button>
<button id="CardRefuse" type="button">Ignorer</button></div></dialog>`;

const kept = ({ number, here, card }) => `Donne ${number} : ${here} ici, ${card} sur la carte`;
const keptSaid = 'Laissées telles quelles :';
// The page's address, without any fragment.
const pageAddress = () => location.href.split('#')[0];

// The QR code of a link, black on white with its quiet zone whatever the
// page's colours, at medium correction, which a camera reads through glare or
// a crease: a 32-board card is a code of version 10 at most.
export const cardCode = (link) => generate(link, { minCorrectionLevel: correction.M });

// `root`, the screen, where the boxes go; `change`, the match's change;
// `done`, told what was placed, as said; `handOver`, the screen's way to share.
// Returns `send`, which shows our card, and `offer`, which shows a card the
// address or the match holds.
export function cardBoxes({ root, store, change, done, actOnce, rules, handOver }) {
  root.insertAdjacentHTML('beforeend', boxesHtml);
  const [sending, receiving] = [$('CardBox'), $('CardReceived')];
  // Read from its start, where a long list of boards left would have scrolled it to its keys.
  const open = (box) => {
    if (!box.open) box.showModal();
    box.scrollTop = 0;
  };
  let link = '';

  function send() {
    const card = ownCard(store.value);
    link = card && `${pageAddress()}#${cardFragment(card)}`;
    $('CardHint').textContent = card ? `Notre table, ${spanned(card)} : à scanner par l'autre table, ou envoyez le lien.`
      : "Notre table n'a encore rien noté.";
    $('CardLink').textContent = link ?? '';
    $('CardSaid').textContent = '';
    const qr = $('CardQR');
    qr.hidden = $('CardShare').hidden = !card;
    open(sending);
    if (!card) return;
    qr.ariaLabel = `Code QR de ma carte : ${spanned(card)}`;
    cardCode(link).toCanvas(qr, { on: [0, 0, 0, 255], off: [255, 255, 255, 255], pad: 4 });
  }
  $('CardShare').addEventListener('click', actOnce(async () => {
    const said = { copied: 'Lien copié.', failed: 'Copiez le lien ci-dessus.' };
    const outcome = await handOver({ title: 'Ma carte', url: link });
    if (outcome === 'failed') getSelection().selectAllChildren($('CardLink'));
    $('CardSaid').textContent = said[outcome] ?? '';
  }));
  $('CardClose').addEventListener('click', actOnce(() => sending.close()));

  // A card shown: what it holds, and the boards it would leave as they are; or why it cannot be read.
  function show({ error, ...card }) {
    const conflicts = error ? [] : placeCard(structuredClone(store.value), card).kept;
    $('ReceivedText').textContent = error ?? `Carte de l'autre table : ${spanned(card)}.${conflicts.length ? ` ${keptSaid}` : ''}`;
    // Scores are integers, checked as the card was read.
    $('ReceivedKept').innerHTML = conflicts.map((k) => `<li>${kept(k)}</li>`).join('');
    $('CardAccept').hidden = Boolean(error);
    $('CardRefuse').textContent = error ? 'Fermer' : 'Ignorer';
    open(receiving);
  }
  // What the card placed said; the card is the match's own, as another page may have placed it meanwhile.
  $('CardAccept').addEventListener('click', actOnce(async () => {
    receiving.close();
    let outcome = null;
    await change((match) => {
      outcome = match.received && placeCard(match, match.received);
    });
    if (!outcome) return;
    const { placed, kept: left } = outcome;
    done([placed.length ? `Carte placée dans Autre table : ${placed.length} donne${placed.length > 1 ? 's' : ''}.` : 'Carte déjà placée.',
      ...left.length ? [`${keptSaid} ${left.map(kept).join(' ; ')}.`] : []].join(' '));
  }));
  $('CardRefuse').addEventListener('click', actOnce(() => {
    receiving.close();
    if (!$('CardAccept').hidden) {
      change((match) => {
        match.received = null;
      });
    }
  }));

  return {
    send,
    // A card the address brings is read once, then taken out of it, so that a reload does not bring it again.
    offer() {
      if (location.hash.startsWith(`#${cardMark}`)) {
        const card = readCard(location.hash.slice(1), rules);
        history.replaceState(history.state, '', pageAddress());
        if (!card.error) {
          change((match) => {
            match.received = card;
          });
        }
        return show(card);
      }
      if (store.value.received) show(store.value.received);
    },
  };
}

#pragma once

#include <algorithm>
#include <string_view>

namespace quimbel {

// How to use the calculator, in six paragraphs separated by CR LF (UTF-8).
// The double spaces are the text's own.
inline constexpr std::string_view helpText =
    "On utilise QUIMBEL exactement comme une calculatrice. On inscrit dans la fenêtre du haut le "
    "contrat et son résultat dont on veut calculer le score. La 'couleur' du contrat est "
    "déterminée par la touche NT (no trump) pour  sans-atout ou par l'un des symboles "
    "représentant trèfle, carreau, coeur ou pique.\r\n"
    "Par exemple on tape successivement sur le 4, sur le signe coeur, deux fois sur le X puis sur "
    "+ et enfin sur 2: on inscrit  ainsi 4CXX+2.\r\n"
    "Il reste à taper sur V ou sur NV suivant que l'on veut le score vulnérable ou non "
    "vulnérable: s'il n'y a pas eu d'erreur de saisie, le score apparaîtra dans la fenêtre du "
    "bas.\r\n"
    "La touche C efface le dernier caractère inscrit, la touche INI remet les deux fenêtres à "
    "vide et la touche OFF ferme l'application.\r\n"
    "QUIMBEL donne aussi les fréquences de répartition d'une couleur: tapez 3-3, 5-2 ou "
    "5-4..10-0, et vous obtiendrez avec V ou NV la fréquence correspondante.\r\n"
    "Toute erreur de saisie dans la fenêtre du haut donnera 'Erreur' dans la fenêtre du "
    "résultat.";

// Six paragraphs, each ended by CR LF but the last.
static_assert(std::count(helpText.begin(), helpText.end(), '\r') == 5 &&
              std::count(helpText.begin(), helpText.end(), '\n') == 5 && !helpText.ends_with('\n'));

} // namespace quimbel

#pragma once
// How much of a card-set file a read takes in.

namespace velmora {

enum class CardSetParts {
    Details,                // the prefix only: card count, author, language, links, notes
    Pictures,               // the prefix and the card names and pictures
    PicturesAndBackground,  // all of the above and the background tile
};

}  // namespace velmora

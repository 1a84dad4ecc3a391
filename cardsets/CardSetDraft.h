#pragma once
// A card set while its author builds it in the wizard: the format and card size with the rules that
// tie them to the cards, the cards in the order they were added (the first is the card back), the
// background and the details. The wizard shows it; Describe hands it to the card-set writer.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cardsets/CardSetDescription.h"
#include "cardsets/CardSetFormats.h"
#include "text/Phrase.h"

namespace velmora {

// The only background picture size the wizard takes: the board area.
inline constexpr std::int32_t BackgroundPictureWidth = 540;
inline constexpr std::int32_t BackgroundPictureHeight = 374;
inline constexpr std::int32_t DefaultDraftCardSide = 50;

struct DraftCard {
    std::string Name;  // Windows-1252, at most MaxTextLength bytes
    Picture Image;     // the card size
};

class CardSetDraft {
public:
    CardSetDraft();

    // Back to a fresh Junior set of 50 x 50 cards with no cards, the button-face background, empty
    // details and the web address "http://"; the language stays as it is.
    void Reset();

    std::size_t Format() const { return format_; }
    const CardSetFormat& FormatInfo() const { return CardSetFormats[format_]; }
    std::int32_t RequiredCount() const { return FormatInfo().CardCount; }
    // A card size above the new format's limits drops to them, and that change of size removes the
    // cards. Returns whether the cards were removed.
    bool SetFormat(std::size_t format);

    std::int32_t CardWidth() const { return width_; }
    std::int32_t CardHeight() const { return height_; }
    // Takes the size into 1..the format's limits; any change of size removes every card. Returns
    // whether the size changed.
    bool SetCardSize(std::int32_t width, std::int32_t height);

    const std::vector<DraftCard>& Cards() const { return cards_; }
    std::int32_t CardCount() const { return static_cast<std::int32_t>(cards_.size()); }
    bool Full() const { return CardCount() >= RequiredCount(); }
    bool Fits(const Picture& picture) const { return picture.Width == width_ && picture.Height == height_; }
    // The caller has checked Full and Fits; a name longer than MaxTextLength is cut.
    void AddCard(std::string name, Picture picture);
    void RenameCard(std::size_t index, std::string name);
    // Removes the cards at these indices (any order, repeats allowed); the others keep their order.
    void RemoveCards(const std::vector<std::size_t>& indices);
    void ClearCards() { cards_.clear(); }
    // Cards still to add (negative when there are too many, which the wizard never lets happen).
    std::int32_t MissingCards() const { return RequiredCount() - CardCount(); }
    std::string Counter() const;      // present + "/" + required, e.g. "5/11"
    Phrase Instruction() const;  // the page 3 text naming the required count

    const std::optional<Picture>& BackgroundPicture() const { return background_; }
    std::uint32_t BackgroundColour() const { return colour_; }
    // A picture of the board area's size becomes the background and the colour goes back to the
    // button face; any other size leaves no background picture. Returns whether it was taken.
    bool SetBackgroundPicture(Picture picture);
    // An explicit colour 0x00BBGGRR or a system colour; removes any background picture.
    void SetBackgroundColour(std::uint32_t colour);

    CardSetDetails Details;

    // The set as the writer takes it: the card back's palette, the cards in order, the background.
    CardSetDescription Describe() const;

private:
    std::size_t format_ = 0;
    std::int32_t width_ = DefaultDraftCardSide;
    std::int32_t height_ = DefaultDraftCardSide;
    std::vector<DraftCard> cards_;
    std::optional<Picture> background_;
    std::uint32_t colour_ = ButtonFaceColour;
};

// The card name a picture file gives: the part after the last "\" or "/", less its extension (from
// its last "." on, whatever its length: ".bmp", ".jpg" and ".jpeg" alike), cut to MaxTextLength bytes.
std::string CardNameFromFile(const std::string& path);

// text cut to MaxTextLength bytes.
std::string CutToTextLength(std::string text);

}  // namespace velmora

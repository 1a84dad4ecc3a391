#include "cardsets/CardSetDraft.h"

#include <algorithm>
#include <set>

#include "cardsets/ByteReader.h"

namespace velmora {

CardSetDraft::CardSetDraft() {
    Details.Language = "card set language";
    Reset();
}

void CardSetDraft::Reset() {
    format_ = 0;
    width_ = DefaultDraftCardSide;
    height_ = DefaultDraftCardSide;
    cards_.clear();
    background_.reset();
    colour_ = ButtonFaceColour;
    Details.Author.clear();
    Details.Email.clear();
    Details.Notes.clear();
    Details.Web = "http://";
}

bool CardSetDraft::SetFormat(std::size_t format) {
    format_ = std::min(format, CardSetFormats.size() - 1);
    return SetCardSize(width_, height_);
}

bool CardSetDraft::SetCardSize(std::int32_t width, std::int32_t height) {
    width = std::clamp(width, 1, FormatInfo().MaxCardWidth);
    height = std::clamp(height, 1, FormatInfo().MaxCardHeight);
    if (width == width_ && height == height_) return false;
    width_ = width;
    height_ = height;
    cards_.clear();
    return true;
}

void CardSetDraft::AddCard(std::string name, Picture picture) {
    cards_.push_back({CutToTextLength(std::move(name)), std::move(picture)});
}

void CardSetDraft::RenameCard(std::size_t index, std::string name) {
    if (index < cards_.size()) cards_[index].Name = CutToTextLength(std::move(name));
}

void CardSetDraft::RemoveCards(const std::vector<std::size_t>& indices) {
    const std::set<std::size_t> doomed(indices.begin(), indices.end());
    std::vector<DraftCard> kept;
    kept.reserve(cards_.size());
    for (std::size_t i = 0; i < cards_.size(); ++i)
        if (!doomed.contains(i)) kept.push_back(std::move(cards_[i]));
    cards_ = std::move(kept);
}

std::string CardSetDraft::Counter() const {
    return std::to_string(CardCount()) + "/" + std::to_string(RequiredCount());
}

Phrase CardSetDraft::Instruction() const {
    return MakePhrase("NewCardSet",
                      VELMORA_TRANSLATE_NOOP("NewCardSet", "Please add %1 cards. Remember that the first card will "
                                                           "represent the upper side of your Velmora set!"),
                      {std::to_string(RequiredCount())});
}

bool CardSetDraft::SetBackgroundPicture(Picture picture) {
    if (picture.Width != BackgroundPictureWidth || picture.Height != BackgroundPictureHeight) {
        background_.reset();
        return false;
    }
    background_ = std::move(picture);
    colour_ = ButtonFaceColour;
    return true;
}

void CardSetDraft::SetBackgroundColour(std::uint32_t colour) {
    background_.reset();
    colour_ = colour;
}

CardSetDescription CardSetDraft::Describe() const {
    CardSetDescription set;
    set.Details = Details;
    set.CardWidth = width_;
    set.CardHeight = height_;
    set.CardNames.reserve(cards_.size());
    set.CardPictures.reserve(cards_.size());
    for (const DraftCard& card : cards_) {
        set.CardNames.push_back(card.Name);
        set.CardPictures.push_back(card.Image);
    }
    if (!cards_.empty()) set.Palette = cards_.front().Image.Palette;
    set.Background = background_;
    set.BackgroundColour = colour_;
    return set;
}

std::string CardNameFromFile(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.resize(dot);
    return CutToTextLength(std::move(name));
}

std::string CutToTextLength(std::string text) {
    if (text.size() > static_cast<std::size_t>(MaxTextLength)) text.resize(static_cast<std::size_t>(MaxTextLength));
    return text;
}

}  // namespace velmora

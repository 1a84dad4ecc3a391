#include "CompressionBenchData.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

namespace velmora::bench {

namespace {

constexpr int CardCount = 51;
constexpr int CardWidth = 54;
constexpr int CardHeight = 37;
constexpr int BackgroundWidth = 540;
constexpr int BackgroundHeight = 374;

struct Rgb {
    std::uint8_t r, g, b;
};

class PayloadWriter {
public:
    void Number(std::int32_t value) {
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
    }
    void Text(std::string_view text) {
        Number(static_cast<std::int32_t>(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }
    void Raw(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void Pixel(Rgb colour) { bytes_.insert(bytes_.end(), {colour.b, colour.g, colour.r}); }
    void PaletteEntry(Rgb colour) { bytes_.insert(bytes_.end(), {colour.r, colour.g, colour.b}); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// The usual 256-colour palette: a 6 x 6 x 6 colour cube, then a ramp of greys.
void WritePalette(PayloadWriter& out) {
    for (int i = 0; i < 216; ++i) {
        out.PaletteEntry({static_cast<std::uint8_t>(i / 36 * 51), static_cast<std::uint8_t>(i / 6 % 6 * 51),
                          static_cast<std::uint8_t>(i % 6 * 51)});
    }
    for (int i = 0; i < 40; ++i) {
        const auto grey = static_cast<std::uint8_t>(i * 255 / 39);
        out.PaletteEntry({grey, grey, grey});
    }
}

// A card drawn in a few flat colours: a frame, a field, and a figure (disc, diamond or bars) that
// differs from card to card, as pictures painted for a card set look.
Rgb CardPixel(int card, int x, int y) {
    static constexpr std::array<Rgb, 8> inks = {{{204, 0, 0},   {0, 102, 204}, {0, 153, 51},   {255, 204, 0},
                                                 {153, 51, 153}, {255, 102, 0}, {51, 51, 51}, {0, 204, 204}}};
    const Rgb frame{255, 255, 255};
    const Rgb field{static_cast<std::uint8_t>(230 - card % 5 * 20), 240, static_cast<std::uint8_t>(200 + card % 3 * 20)};
    if (x < 2 || y < 2 || x >= CardWidth - 2 || y >= CardHeight - 2) return frame;
    const Rgb ink = inks[static_cast<std::size_t>(card) % inks.size()];
    const int dx = x - CardWidth / 2;
    const int dy = y - CardHeight / 2;
    const int size = 8 + card % 7;
    switch (card % 3) {
    case 0:
        return dx * dx + dy * dy < size * size ? ink : field;
    case 1:
        return std::abs(dx) + std::abs(dy) < size + 3 ? ink : field;
    default:
        return (x / (3 + card % 4)) % 2 == 0 && std::abs(dy) < size ? ink : field;
    }
}

void WriteCards(PayloadWriter& out) {
    for (int card = 0; card < CardCount; ++card) {
        out.Text(card == 0 ? "Back" : "Card " + std::to_string(card));
        for (int y = 0; y < CardHeight; ++y) {
            for (int x = 0; x < CardWidth; ++x) out.Pixel(CardPixel(card, x, y));
        }
    }
}

std::uint8_t Clamp(double value) { return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)); }

// Smooth light and colour, as a photograph of a landscape has, with a little sensor noise.
void WriteBackground(PayloadWriter& out) {
    out.Raw("Picture");
    out.Number(BackgroundWidth);
    out.Number(BackgroundHeight);
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> noise(-3, 3);
    for (int y = 0; y < BackgroundHeight; ++y) {
        for (int x = 0; x < BackgroundWidth; ++x) {
            const double sky = 1.0 - static_cast<double>(y) / BackgroundHeight;
            const double hills = 40 * std::sin(x / 45.0) * std::cos(y / 60.0);
            out.Pixel({Clamp(60 + 120 * sky + hills + noise(random)), Clamp(110 + 80 * sky + hills / 2 + noise(random)),
                       Clamp(70 + 170 * sky - hills / 3 + noise(random))});
        }
    }
}

}  // namespace

std::vector<std::uint8_t> CardSetPayload() {
    PayloadWriter out;
    WritePalette(out);
    WriteCards(out);
    WriteBackground(out);
    return out.Take();
}

std::vector<std::uint8_t> EnglishText(std::size_t size) {
    static constexpr std::string_view words[] = {
        "the", "of", "and", "to", "a", "in", "is", "it", "you", "that", "he", "was", "for", "on", "are", "with", "as",
        "his", "they", "be", "at", "one", "have", "this", "from", "or", "had", "by", "hot", "word", "but", "what",
        "some", "we", "can", "out", "other", "were", "all", "there", "when", "up", "use", "your", "how", "said", "an",
        "each", "she", "which", "do", "their", "time", "if", "will", "way", "about", "many", "then", "them", "write",
        "would", "like", "so", "these", "her", "long", "make", "thing", "see", "him", "two", "has", "look", "more",
        "day", "could", "go", "come", "did", "number", "sound", "no", "most", "people", "my", "over", "know", "water",
        "than", "call", "first", "who", "may", "down", "side", "been", "now", "find", "any", "new", "work", "part",
        "take", "get", "place", "made", "live", "where", "after", "back", "little", "only", "round", "man", "year",
        "came", "show", "every", "good", "me", "give", "our", "under", "name", "very", "through", "just", "form",
        "sentence", "great", "think", "say", "help", "low", "line", "differ", "turn", "cause", "much", "mean",
        "before", "move", "right", "boy", "old", "too", "same", "tell", "does", "set", "three", "want", "air", "well",
        "also", "play", "small", "end", "put", "home", "read", "hand", "port", "large", "spell", "add", "even",
        "land", "here", "must", "big", "high", "such", "follow", "act", "why", "ask", "men", "change", "went",
        "light", "kind", "off", "need", "house", "picture", "try", "us", "again", "animal", "point", "mother",
        "world", "near", "build", "self", "earth", "father", "head", "stand", "own", "page", "should", "country",
        "found", "answer", "school", "grow", "study", "still", "learn", "plant", "cover", "food", "sun", "four",
        "between", "state", "keep", "eye", "never", "last", "let", "thought", "city", "tree", "cross", "farm",
        "hard", "start", "might", "story", "saw", "far", "sea", "draw", "left", "late", "run", "while", "press",
        "close", "night", "real", "life", "few", "north", "memory", "card", "pair", "board", "player", "match"};
    std::mt19937 random(2024);
    // Common words far more often than rare ones, as in real prose.
    std::vector<double> weights;
    for (std::size_t i = 0; i < std::size(words); ++i) weights.push_back(1.0 / (static_cast<double>(i) + 2.0));
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    std::string text;
    bool sentenceStart = true;
    while (text.size() < size) {
        std::string word(words[pick(random)]);
        if (sentenceStart) word[0] = static_cast<char>(word[0] - 'a' + 'A');
        text += word;
        const unsigned roll = random() % 100;
        sentenceStart = roll < 7;
        if (roll < 5) {
            text += ". ";
        } else if (roll < 7) {
            text += random() % 4 == 0 ? ".\r\n\r\n" : "? ";
        } else if (roll < 12) {
            text += ", ";
        } else {
            text += ' ';
        }
    }
    text.resize(size);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> RandomBytes(std::size_t size) {
    std::mt19937 random(99);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() >> 24);
    return bytes;
}

}  // namespace velmora::bench

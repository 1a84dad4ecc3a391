// The README's commands are what a newcomer types first; a set made by its example must turn up in
// the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The words of a shell command line; double quotes group words and are dropped.
std::vector<std::string> ShellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

std::vector<std::string> CommandLinesOf(const std::string& tool) {
    std::ifstream readme(std::filesystem::path(VELMORA_SOURCE_DIR) / "README.md");
    std::vector<std::string> lines;
    for (std::string line; std::getline(readme, line);)
        if (line.rfind("    ", 0) == 0 && line.find(tool) != std::string::npos) lines.push_back(line);
    return lines;
}

TEST(Readme, TheCardSetExampleWritesTheSetBesideTheGame) {
    const std::vector<std::string> examples = CommandLinesOf("velmora-cardset create");
    ASSERT_FALSE(examples.empty());
    for (const std::string& example : examples) {
        const std::vector<std::string> words = ShellWords(example);
        ASSERT_GE(words.size(), 4u) << example;
        ASSERT_EQ(words[1], "create") << example;
        // The tool is built beside the game, and the game looks for sets in its own folder only.
        const std::filesystem::path programFolder = std::filesystem::path(words[0]).parent_path();
        const std::filesystem::path set = words[3];
        EXPECT_EQ(set.extension(), ".cst") << example;
        EXPECT_EQ(set.parent_path(), programFolder) << example;
        EXPECT_EQ(programFolder, "build/bin") << example;
    }
}

}  // namespace

#include "PackCommand.h"

#include <exception>
#include <optional>

#include "compression/Lzrw1.h"

namespace velmora {

namespace {

constexpr const char* Usage =
    "usage: velmora-pack compress [--mode good|fast|auto] IN OUT\n"
    "       velmora-pack decompress IN OUT\n"
    "       velmora-pack advise IN\n";

std::optional<TCompressMode> ModeNamed(const std::string& name) {
    if (name == "good") return TCompressMode::Good;
    if (name == "fast") return TCompressMode::Fast;
    if (name == "auto") return TCompressMode::Auto;
    return std::nullopt;
}

struct Command {
    std::string verb;
    TCompressMode mode = TCompressMode::Good;
    std::vector<std::string> files;
};

std::optional<Command> Parse(const std::vector<std::string>& args) {
    if (args.empty()) return std::nullopt;
    Command command{args[0], TCompressMode::Good, {}};
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--mode" && command.verb == "compress" && i + 1 < args.size()) {
            const auto mode = ModeNamed(args[++i]);
            if (!mode) return std::nullopt;
            command.mode = *mode;
        } else {
            command.files.push_back(args[i]);
        }
    }
    const std::size_t wanted = command.verb == "advise" ? 1 : 2;
    const bool known = command.verb == "compress" || command.verb == "decompress" || command.verb == "advise";
    if (!known || command.files.size() != wanted) return std::nullopt;
    return command;
}

void Run(const Command& command, Tlzrw1& lzrw) {
    lzrw.UseStream = false;
    lzrw.CompressMode = command.mode;
    lzrw.InputFile = command.files[0];
    if (command.files.size() > 1) lzrw.OutputFile = command.files[1];
    if (command.verb == "compress") {
        lzrw.Compress();
    } else if (command.verb == "decompress") {
        lzrw.Decompress();
    } else {
        lzrw.Advise();
    }
}

}  // namespace

int RunPackCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto command = Parse(args);
    if (!command) {
        err << Usage;
        return 2;
    }
    try {
        Tlzrw1 lzrw;
        Run(*command, lzrw);
        out << lzrw.Caption() << '\n';
        return 0;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
}

}  // namespace velmora

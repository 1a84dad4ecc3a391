#include "compression/OutputFile.h"

#include <system_error>

namespace velmora {

namespace {

bool IsSpecialFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

// A link is followed, so that its target is replaced and the link stays.
std::filesystem::path FinalPath(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
    auto target = std::filesystem::canonical(path, error);
    return error ? path : target;
}

}  // namespace

OutputFile::OutputFile(const std::filesystem::path& path)
    : final_(FinalPath(path)), written_(final_), replaces_(!IsSpecialFile(final_)) {
    if (replaces_) written_ += ".partial";
    try {
        file_ = std::make_unique<FileStream>(written_, FileStream::Mode::Create);
    } catch (const EStreamError&) {
        throw EFCreateError(CannotCreateFile(path.string()));
    }
}

OutputFile::~OutputFile() { Discard(); }

bool OutputFile::Commit() {
    if (!file_) return false;
    try {
        file_->Close();
    } catch (const EStreamError&) {
        Discard();
        return false;
    }
    file_.reset();
    if (!replaces_) return true;
    replaces_ = false;  // nothing of ours is left to remove afterwards
    std::error_code error;
    std::filesystem::rename(written_, final_, error);
    if (!error) return true;
    std::filesystem::remove(written_, error);
    return false;
}

void OutputFile::Discard() {
    if (!file_) return;
    file_.reset();
    if (replaces_) {
        std::error_code error;
        std::filesystem::remove(written_, error);
    }
}

}  // namespace velmora

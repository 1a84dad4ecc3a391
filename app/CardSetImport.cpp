#include "app/CardSetImport.h"

#include <system_error>

#include "cardsets/CardSetFolder.h"
#include "cardsets/FileNames.h"
#include "compression/Stream.h"

namespace velmora {
namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

CardSetImport PlanCardSetImport(const CardSetFolders& folders, const std::filesystem::path& file) {
    CardSetImport import;
    import.Source = file;
    std::string name = file.filename().string();
    if (!EndsWithNoCase(name, CardSetExtension)) name = CardSetFileName(name);
    import.Target = FindFileNoCase(folders.User(), name);
    const std::string targetName = import.Target.filename().string();
    import.SetName = targetName.substr(0, targetName.size() - 4);
    import.Copy = !SameFile(LocateCardSet(folders, targetName), file);
    std::error_code error;
    import.Replaces = import.Copy && std::filesystem::exists(import.Target, error);
    return import;
}

void CopyCardSet(const CardSetImport& import) {
    const std::filesystem::path temporary = TemporaryCardSetPath(import.Target);
    std::error_code error;
    std::filesystem::create_directories(import.Target.parent_path(), error);
    std::filesystem::copy_file(import.Source, temporary, std::filesystem::copy_options::overwrite_existing, error);
    if (!error) std::filesystem::rename(temporary, import.Target, error);
    if (!error) return;
    std::filesystem::remove(temporary, error);
    throw EFCreateError(CannotCreateFile(import.Target.string()));
}

}  // namespace velmora

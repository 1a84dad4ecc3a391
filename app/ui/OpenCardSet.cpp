#include "app/ui/OpenCardSet.h"

#include <QFile>

#include "app/CardSetImport.h"
#include "app/ui/MainWindow.h"
#include "widgets/Messages.h"
#include "cardsets/CardSetReader.h"

namespace velmora {

void OpenCardSetFile(MainWindow& window, const std::filesystem::path& file) {
    ReadCardSetFile(file, file.filename().string(), true, false, window.LoadProgress());
    const CardSetImport import = PlanCardSetImport(window.locations().CardSets, file);
    if (import.Copy) {
        const QString question = "Your card sets already hold a set named \"" +
                                 QFile::decodeName(import.SetName.c_str()) + "\". Replace it with " +
                                 QFile::decodeName(file.string().c_str()) + "?";
        if (import.Replaces && !AskYesNo(&window, question)) return;
        CopyCardSet(import);
    }
    window.settings().LastSet = import.SetName;
    window.cardSetWindows().SelectAndView();
}

}  // namespace velmora

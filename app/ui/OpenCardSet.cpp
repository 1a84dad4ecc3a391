#include "app/ui/OpenCardSet.h"

#include <QFile>

#include "app/CardSetImport.h"
#include "app/ui/MainWindow.h"
#include "widgets/Messages.h"
#include "cardsets/CardSetReader.h"
#include "widgets/Translation.h"

namespace velmora {

void OpenCardSetFile(MainWindow& window, const std::filesystem::path& file) {
    ReadCardSetFile(file, file.filename().string(), CardSetParts::PicturesAndBackground, window.LoadProgress());
    const CardSetImport import = PlanCardSetImport(window.FileLocations().CardSets, file);
    if (import.Copy) {
        const QString question =
            Translated(VELMORA_TR("MainWindow", "Your card sets already hold a set named \"%1\". Replace it with %2?"))
                .arg(QFile::decodeName(import.SetName.c_str()), QFile::decodeName(file.string().c_str()));
        if (import.Replaces && !AskYesNo(&window, question)) return;
        CopyCardSet(import);
    }
    window.GameSettings().LastSet = import.SetName;
    window.CardWindows().SelectAndView();
}

}  // namespace velmora

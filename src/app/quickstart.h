#pragma once

#include <QString>
#include <QStringList>

namespace App {

// The parts of the main window the help key tells apart.
enum class WindowRegion { Other, Table, SelectionPanel, Stage2Panel, ElementPanels, FinalStage, Preview };

// The short illustrated quick start shipped inside the program: an HTML document in the
// program's resources whose sections have anchors.
class QuickStart final
{
public:
    // The document in the active interface language, in English where it has none.
    static QString fileName();
    // The address of the document, at section when one is given.
    static QString url(const QString &section = {});
    // The document's text; empty when the resource is missing.
    static QString document();
    // The section that explains region.
    static QString section(WindowRegion region);
    // The section on stage 2, where the edit line's help points.
    static QString editingSection();
    // The section on finding and replacing in the free texts.
    static QString findReplaceSection();
    // The section on building the dictionaries and their options.
    static QString dictionarySection();
    // The section on finishing a folder.
    static QString doneSection();
    // Every section a caller may ask for.
    static QStringList sections();
    static QString windowCaption();
};

} // namespace App

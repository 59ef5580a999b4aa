#pragma once

#include <QString>

namespace App {

// The help shipped inside the program besides the quick start, each an HTML document of the
// program's resources in English and in Dutch.
enum class HelpDocument { QuickStart, Guide, WhatsNew, Contents, Credits };

class HelpDocuments final
{
public:
    // The document's file in the active interface language, in English where it has none.
    static QString fileName(HelpDocument document);
    static QString url(HelpDocument document, const QString &section = {});
    // The text of the document; empty when the resource is missing.
    static QString text(HelpDocument document);
    // The title of the window that shows it.
    static QString caption(HelpDocument document);
    // The document a file of any language is ("guide_nl.html" is the guide), for showing it
    // again in another language; the quick start when the file is none of them.
    static HelpDocument documentOf(const QString &fileName);
};

} // namespace App

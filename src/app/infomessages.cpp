#include "app/infomessages.h"

#include "l10n/text.h"

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

int infoMessageCancelButton(int number)
{
    return number == InfoMessage::RemovableDrive ? 0 : -1;
}

Platform::Question infoMessage(int number, bool startedWithFolder)
{
    Platform::Question question;
    question.caption = L10n::title();
    question.checkBoxCaption = text(640, "&Show this message next time");
    question.checkBoxChecked = true;
    question.buttons = {text(933, "&OK")};
    switch (number) {
    case InfoMessage::AnotherWayToStart:
        question.header = text(655, "Another way to start!");
        if (startedWithFolder) {
            question.lines = {text(660, "You can also start Mirelto by clicking on its icon on your"),
                              text(661, "desktop or by selecting Mirelto through the Start menu."),
                              text(662, "A window will be displayed to select a folder containing pictures"),
                              text(663, "you want to organize/rename.")};
        } else {
            question.lines = {text(656, "You can also start Mirelto from Windows Explorer"), text(934, "or any similar program."),
                              text(657, "Right click on a folder to show the folder context menu"),
                              text(658, "and choose 'Mirelto.'")};
            // The Dutch wording says the first two lines in one.
            if (question.lines.at(0) != u"You can also start Mirelto from Windows Explorer"_s)
                question.lines.removeAt(1);
        }
        break;
    case InfoMessage::DictionaryFull:
        question.header = text(674, "Dictionary full!");
        question.lines = {text(675, "The folder you selected generates more entries than "),
                          text(676, "allowed by the current dictionary settings."),
                          QString(),
                          text(677, "When desired, you can increase this maximum number "),
                          text(678, "of entries by changing the current dictionary settings. "),
                          QString(),
                          text(679, "To do so choose 'Dictionary options' from the"),
                          text(680, "Dictionary menu.")};
        break;
    case InfoMessage::RemovableDrive:
        question.header = text(681, "CAUTION!");
        question.lines = {text(682, "Be careful with retitleling pictures in a folder on "),
                          text(683, "a removable drive."),
                          QString(),
                          text(684, "In case of a memory card, it is strongly recommended "),
                          text(685, "to first copy the pictures to a hard drive and perform "),
                          text(686, "the retitling on that hard drive."),
                          text(687, "Otherwise problems may arise when you use the memory card"),
                          text(688, "in your digital camera afterwards.")};
        question.buttons = {text(912, "&Cancel"), text(935, "C&ontinue")};
        question.defaultButton = 0;
        question.escapeButton = 0;
        question.severity = Platform::Severity::Warning;
        break;
    case InfoMessage::ClipboardToStaticDictionary:
        question.header = text(754, "Clipboard to Static Dictionary");
        question.lines = {
            text(746, "All information you put in the area underneath can be instantly written into "),
            text(747, "the Static Dictionary. Simply copy information from other sources, like"),
            text(748, "Internet pages or Word documents etc., and paste it onto the"),
            text(749, "Mirelto clipboard."),
            QString(),
            text(750, "Information worth keeping can be kept in a Private dictionary."),
            text(751, "For instance: if you often make family pictures, it is a good idea to type the"),
            text(752, "names of your family members on the Mirelto clipboard and"),
            text(753, "save the information into a Private Dictionary for future use."),
            QString(),
            text(795, "Note: you can have lines from the clipboard clipped in parts varying from 30"),
            text(796, "to a 100 characters (to avoid too long entries)."),
            text(797, "To change this value: go to the Dictionary menu->Dictionary options."),
        };
        break;
    default:
        break;
    }
    return question;
}

} // namespace App

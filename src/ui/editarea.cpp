#include "ui/editarea.h"

#include "dictionary/editline.h"
#include "ui/completionlist.h"
#include "ui/contextpanel.h"
#include "ui/freetextedit.h"

#include <QGridLayout>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace Ui {

using Dictionary::EditLine;

EditArea::EditArea(EditLine &line, QWidget *parent) : QWidget(parent), m_line(line)
{
    setObjectName(u"editArea"_s);
    m_edit = new FreeTextEdit(line);
    m_completions = new CompletionList(line);
    m_context = new ContextPanel(line);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit, 0, 0, Qt::AlignTop);
    layout->addWidget(m_context, 1, 0);
    layout->addWidget(m_completions, 0, 1, 2, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 1);
    // Room for a few words of a completion, so a phrase is not cut after its first word.
    m_completions->setMinimumWidth(m_completions->fontMetrics().averageCharWidth() * 26);
    layout->setRowStretch(1, 1);

    connect(&m_line, &EditLine::focusRequested, this, [this](EditLine::Target target) {
        switch (target) {
        case EditLine::Target::Line:
            m_edit->setFocus(Qt::OtherFocusReason);
            break;
        case EditLine::Target::CompletionList:
            m_completions->setFocus(Qt::OtherFocusReason);
            break;
        case EditLine::Target::ContextPanel:
            m_context->list()->setFocus(Qt::OtherFocusReason);
            break;
        }
    });
}

QLineEdit *EditArea::lineEdit() const
{
    return m_edit;
}

} // namespace Ui

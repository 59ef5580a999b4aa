#include "ui/findreplacedialog.h"

#include "ui/qtdialogs.h"
#include "ui/quickstartwindow.h"
#include "ui/themecolours.h"

#include "app/application.h"
#include "app/quickstart.h"
#include "session/findreplace.h"
#include "session/findreplacecommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Session::FindMark;
using Session::FindReplace;

namespace {

QLabel *statusField()
{
    auto *field = new QLabel;
    field->setFrameShape(QFrame::StyledPanel);
    field->setFrameShadow(QFrame::Sunken);
    field->setTextFormat(Qt::RichText);
    return field;
}

QString coloured(const QString &text, const QColor &colour)
{
    return u"<span style=\"color:%1\">%2</span>"_s.arg(colour.name(), text.toHtmlEscaped());
}

} // namespace

FindReplaceDialog::FindReplaceDialog(FindReplace &model, std::function<void()> errorSound, QWidget *parent)
    : QDialog(parent), m_model(model), m_errorSound(std::move(errorSound))
{
    setObjectName(u"findReplaceDialog"_s);
    setWindowTitle(FindReplace::windowCaption());
    auto *layout = new QVBoxLayout(this);
    auto *header = new QLabel(FindReplace::header());
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    layout->addWidget(header);

    m_area = new QPlainTextEdit;
    m_area->setObjectName(u"findReplaceText"_s);
    m_area->setReadOnly(true);
    m_area->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only, but the caret shows and the keys move it, so the current line can be chosen.
    m_area->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_area->installEventFilter(this);
    m_area->viewport()->installEventFilter(this);
    layout->addWidget(m_area, 1);
    // The dialog's child, not the area's: the area is disabled while the editor is open.
    m_editor = new QLineEdit(this);
    m_editor->setObjectName(u"lineEditor"_s);
    m_editor->hide();
    m_editor->installEventFilter(this);

    auto *fields = new QGridLayout;
    auto *findLabel = new QLabel(FindReplace::findStringLabel());
    m_find = new QLineEdit;
    m_find->setObjectName(u"findString"_s);
    findLabel->setBuddy(m_find);
    m_find->installEventFilter(this);
    m_findButton = new QPushButton(FindReplace::findCaption());
    m_findButton->setObjectName(u"find"_s);
    m_ignoreCase = new QCheckBox(FindReplace::ignoreCaseCaption());
    m_ignoreCase->setObjectName(u"ignoreCase"_s);
    m_ignoreCase->setChecked(model.ignoreCase());
    m_ignoreCase->installEventFilter(this);
    auto *replaceLabel = new QLabel(FindReplace::replaceByLabel());
    m_replace = new QLineEdit;
    m_replace->setObjectName(u"replaceBy"_s);
    replaceLabel->setBuddy(m_replace);
    m_replaceOne = new QPushButton(FindReplace::replaceOneByOneCaption());
    m_replaceOne->setObjectName(u"replaceOneByOne"_s);
    m_replaceAll = new QPushButton(FindReplace::replaceAllCaption());
    m_replaceAll->setObjectName(u"replaceAll"_s);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_find, 0, 1);
    fields->addWidget(m_findButton, 0, 2);
    fields->addWidget(m_ignoreCase, 0, 3);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(m_replace, 1, 1);
    fields->addWidget(m_replaceOne, 1, 2);
    fields->addWidget(m_replaceAll, 1, 3);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    auto *buttons = new QHBoxLayout;
    m_editMode = new QPushButton(FindReplace::editModeCaption());
    m_editMode->setObjectName(u"editMode"_s);
    m_apply = new QPushButton(FindReplace::applyCaption());
    m_apply->setObjectName(u"apply"_s);
    m_cancel = new QPushButton(FindReplace::cancelCaption());
    m_cancel->setObjectName(u"cancel"_s);
    m_help = new QPushButton(FindReplace::helpCaption());
    m_help->setObjectName(u"help"_s);
    buttons->addWidget(m_editMode);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    layout->addLayout(buttons);
    // Enter belongs to the fields and the text area, never to a default button.
    for (QPushButton *button : {m_findButton, m_replaceOne, m_replaceAll, m_editMode, m_apply, m_cancel, m_help})
        button->setAutoDefault(false);

    auto *status = new QHBoxLayout;
    m_message = statusField();
    m_message->setObjectName(u"statusMessage"_s);
    m_occurrences = statusField();
    m_occurrences->setObjectName(u"statusOccurrences"_s);
    status->addWidget(m_message, 3);
    status->addWidget(m_occurrences, 2);
    layout->addLayout(status);
    m_messageTimer = new QTimer(this);
    m_messageTimer->setSingleShot(true);
    connect(m_messageTimer, &QTimer::timeout, &m_model, &FindReplace::clearMessage);

    setTabOrder(m_area, m_find);
    setTabOrder(m_find, m_findButton);
    setTabOrder(m_findButton, m_ignoreCase);
    setTabOrder(m_ignoreCase, m_replace);
    setTabOrder(m_replace, m_replaceOne);
    setTabOrder(m_replaceOne, m_replaceAll);
    setTabOrder(m_replaceAll, m_editMode);
    setTabOrder(m_editMode, m_apply);
    setTabOrder(m_apply, m_cancel);
    setTabOrder(m_cancel, m_help);

    connect(m_find, &QLineEdit::textEdited, this, [this](const QString &text) {
        const Session::FieldText field = m_model.setFindString(text, m_find->cursorPosition());
        if (field.text != text) {
            m_find->setText(field.text);
            m_find->setCursorPosition(field.caret);
        }
    });
    connect(m_replace, &QLineEdit::textEdited, this, [this](const QString &text) {
        const Session::FieldText field = m_model.setReplaceString(text, m_replace->cursorPosition());
        if (field.text != text) {
            m_replace->setText(field.text);
            m_replace->setCursorPosition(field.caret);
        }
    });
    connect(m_editor, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_model.editorEdited(text, m_editor->cursorPosition()); });
    connect(m_editor, &QLineEdit::cursorPositionChanged, this,
            [this](int, int position) { m_model.setEditorCaret(position); });
    connect(m_find, &QLineEdit::returnPressed, &m_model, &FindReplace::findStringEnter);
    connect(m_replace, &QLineEdit::returnPressed, &m_model, &FindReplace::replaceByEnter);
    connect(m_ignoreCase, &QCheckBox::toggled, this, [this](bool on) { m_model.setIgnoreCase(on); });
    connect(m_findButton, &QPushButton::clicked, &m_model, &FindReplace::find);
    connect(m_replaceOne, &QPushButton::clicked, this, [this] {
        // Each "Replace ?" opens beside its hit, so the hit stays in view.
        qApp->installEventFilter(this);
        m_placeQuestions = true;
        m_model.replace(true);
        m_placeQuestions = false;
        qApp->removeEventFilter(this);
    });
    connect(m_replaceAll, &QPushButton::clicked, this, [this] { m_model.replace(false); });
    connect(m_editMode, &QPushButton::clicked, &m_model, &FindReplace::openEditor);
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &FindReplaceDialog::showHelp);
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &FindReplaceDialog::showHelp);

    connect(&m_model, &FindReplace::changed, this, &FindReplaceDialog::refresh);
    connect(&m_model, &FindReplace::messageChanged, this, &FindReplaceDialog::showMessages);
    connect(&m_model, &FindReplace::focusRequested, this, [this](FindReplace::Target target) { focus(int(target)); });
    connect(&m_model, &FindReplace::cancelRequested, this, &QDialog::reject);
    connect(&m_model, &FindReplace::errorSound, this, [this] {
        if (m_errorSound)
            m_errorSound();
    });
    refresh();
    showMessages();
    focus(int(FindReplace::initialFocus()));
}

void FindReplaceDialog::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        // As large as the content asks, within the screen, the buttons always on it.
        if (const QScreen *display = screen()) {
            const QRect available = display->availableGeometry();
            resize(qMin(qMax(sizeHint().width(), 720), available.width() - 40),
                   qMin(qMax(sizeHint().height(), 440), available.height() - 60));
        }
    }
    QDialog::showEvent(event);
    focus(int(FindReplace::initialFocus()));
}

int FindReplaceDialog::areaLine() const
{
    return m_area->textCursor().blockNumber();
}

void FindReplaceDialog::refresh()
{
    const QStringList lines = m_model.shownLines();
    if (lines != m_shownLines) {
        m_shownLines = lines;
        m_area->setPlainText(lines.join(u'\n'));
    }
    QTextDocument *document = m_area->document();
    const QPalette &colours = m_area->palette();
    QList<QTextEdit::ExtraSelection> marks;
    for (const FindMark &mark : m_model.marks()) {
        const QTextBlock block = document->findBlockByNumber(mark.line);
        if (!block.isValid())
            continue;
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(document);
        selection.cursor.setPosition(block.position() + mark.column);
        selection.cursor.setPosition(block.position() + mark.column + mark.length, QTextCursor::KeepAnchor);
        const Tint tint = mark.kind == FindMark::Kind::Replaced  ? Tint::Information
                          : mark.kind == FindMark::Kind::Skipped ? Tint::Skipped
                                                                 : Tint::Error;
        selection.format.setForeground(ThemeColours::text(tint, colours));
        selection.format.setFontWeight(QFont::Bold);
        marks.append(selection);
    }
    m_area->setExtraSelections(marks);
    const Session::LineSpan span = m_model.selection();
    const QTextBlock block = document->findBlockByNumber(span.line);
    if (block.isValid()) {
        QTextCursor cursor(document);
        cursor.setPosition(block.position() + span.column);
        cursor.setPosition(qMin(block.position() + span.column + span.length, block.position() + block.length() - 1),
                           QTextCursor::KeepAnchor);
        m_area->setTextCursor(cursor);
        m_area->ensureCursorVisible();
    }

    if (m_find->text() != m_model.findString())
        m_find->setText(m_model.findString());
    if (m_replace->text() != m_model.replaceString())
        m_replace->setText(m_model.replaceString());
    m_findButton->setEnabled(m_model.findEnabled());
    for (QWidget *widget : std::initializer_list<QWidget *>{m_replace, m_replaceOne, m_replaceAll})
        widget->setEnabled(m_model.replaceEnabled());
    m_apply->setEnabled(m_model.applyEnabled());
    m_editMode->setEnabled(m_model.editModeEnabled());
    m_area->setEnabled(!m_model.textAreaLocked());

    if (m_model.editorOpen()) {
        if (m_editor->text() != m_model.editorText())
            m_editor->setText(m_model.editorText());
        m_editor->setCursorPosition(m_model.editorCaret());
        placeEditor();
        m_editor->show();
    } else if (m_editor->isVisible()) {
        m_editor->hide();
    }
}

void FindReplaceDialog::placeEditor()
{
    // Over the current line, as wide as the area shows it.
    const QTextBlock block = m_area->document()->findBlockByNumber(m_model.currentLine());
    QTextCursor cursor(block);
    const QRect line = m_area->cursorRect(cursor);
    const int height = qMax(m_editor->sizeHint().height(), line.height());
    const QPoint origin = m_area->viewport()->mapTo(this, QPoint(0, line.center().y() - height / 2));
    m_editor->setGeometry(origin.x(), origin.y(), m_area->viewport()->width(), height);
    m_editor->raise();
}

void FindReplaceDialog::placeQuestion(QWidget *question) const
{
    QTextCursor start = m_area->textCursor();
    start.setPosition(start.selectionStart());
    const QRect caret = m_area->cursorRect(start);
    const QRect hit(m_area->viewport()->mapToGlobal(caret.topLeft()), caret.size());
    const QScreen *display = screen();
    if (!display)
        return;
    const QRect available = display->availableGeometry();
    const QSize size = question->sizeHint().expandedTo(question->size());
    const int gap = hit.height() / 2;
    int y = hit.bottom() + gap;
    if (y + size.height() > available.bottom())
        y = hit.top() - gap - size.height();
    const int x = qBound(available.left(), hit.left(), available.right() - size.width());
    question->move(x, qMax(available.top(), y));
}

void FindReplaceDialog::showMessages()
{
    const QPalette &colours = palette();
    m_message->setText(m_model.messageIsError()
                           ? coloured(m_model.message(), ThemeColours::text(Tint::Error, colours))
                           : m_model.message().toHtmlEscaped());
    if (!m_model.message().isEmpty() && m_model.messageSeconds() > 0)
        m_messageTimer->start(m_model.messageSeconds() * 1000);
    m_occurrences->setText(coloured(m_model.occurrencesLead(), ThemeColours::text(Tint::Error, colours))
                           + coloured(m_model.occurrencesRest(), ThemeColours::text(Tint::Information, colours)));
}

void FindReplaceDialog::focus(int target)
{
    switch (FindReplace::Target(target)) {
    case FindReplace::Target::FindString:
        m_find->setFocus(Qt::OtherFocusReason);
        return;
    case FindReplace::Target::ReplaceBy:
        m_replace->setFocus(Qt::OtherFocusReason);
        return;
    case FindReplace::Target::ReplaceOneByOne:
        m_replaceOne->setFocus(Qt::OtherFocusReason);
        return;
    case FindReplace::Target::TextArea:
        m_area->setFocus(Qt::OtherFocusReason);
        return;
    case FindReplace::Target::LineEditor:
        m_editor->setFocus(Qt::OtherFocusReason);
        return;
    case FindReplace::Target::Next:
        m_find->setFocus(Qt::TabFocusReason);
        return;
    }
}

void FindReplaceDialog::showHelp()
{
    // A window of the dialog's own, so that the dialog's modality does not lock it.
    if (!m_quickStart)
        m_quickStart = new QuickStartWindow(this);
    m_quickStart->showSection(App::QuickStart::findReplaceSection(), true);
}

bool FindReplaceDialog::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (m_placeQuestions && type == QEvent::Show) {
        auto *question = qobject_cast<QDialog *>(watched);
        if (question && question != this && question->isWindow())
            placeQuestion(question);
        return false;
    }
    if (watched == m_editor) {
        if (type == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            return m_model.editorKey(key->key(), key->modifiers()) == FindReplace::KeyResult::Handled;
        }
        if (type == QEvent::FocusOut && m_model.editorOpen())
            // After the change of focus is done, so the editor is not hidden while it hands it on.
            QTimer::singleShot(0, this, [this] {
                if (!m_editor->hasFocus())
                    m_model.editorLeft();
            });
        return false;
    }
    if (watched == m_find && type == QEvent::FocusIn)
        m_model.findStringFocused();
    if (watched == m_ignoreCase && type == QEvent::FocusOut)
        m_model.ignoreCaseLeft();
    if (watched == m_area) {
        if (type == QEvent::FocusIn)
            m_model.textAreaEntered(areaLine());
        if (type == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->modifiers()) {
                m_model.openEditor();
                return true;
            }
        }
        if (type == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
                m_model.setCurrentLine(areaLine());
        }
    }
    if (watched == m_area->viewport()) {
        // The second press of a double click comes as a double click; the model times both.
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const int line = m_area->cursorForPosition(mouse->position().toPoint()).blockNumber();
            m_model.textAreaPressed(line, qint64(mouse->timestamp()));
            if (m_model.editorOpen() || type == QEvent::MouseButtonDblClick)
                return true;
        }
        if (type == QEvent::MouseButtonRelease && !m_model.editorOpen()) {
            QTimer::singleShot(0, this, [this] { m_model.setCurrentLine(areaLine()); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void findAndReplace(App::Application &application, QWidget *parent)
{
    Platform::Dialogs &dialogs = application.dialogs();
    Session::FindReplaceCommand command(application.pictures(), application.selection(),
                                        application.programSettings(), dialogs);
    command.SBFindReplaceClick([&dialogs, parent](FindReplace &model) {
        auto *qtDialogs = dynamic_cast<QtDialogs *>(&dialogs);
        FindReplaceDialog dialog(
            model,
            [qtDialogs] {
                if (qtDialogs)
                    qtDialogs->play(Platform::Sound::Error);
                else
                    QApplication::beep();
            },
            parent);
        return dialog.exec() == QDialog::Accepted;
    });
}

} // namespace Ui

#include "ui/stage2panel.h"

#include "ui/cutcharactersdialog.h"
#include "ui/editarea.h"
#include "ui/findreplacedialog.h"

#include "app/application.h"
#include "app/folderbuildmodel.h"
#include "app/maincommands.h"
#include "compose/inputrules.h"
#include "compose/picprefixlist.h"
#include "compose/picsuffixlist.h"
#include "l10n/text.h"
#include "session/cutcharacters.h"
#include "session/findreplacecommand.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "session/stageworkflow.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStyle>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Session::Command;
using Session::FreeTextEditor;
using Session::PictureSession;

Stage2Panel::Stage2Panel(App::Application &application, QTableView *table, QWidget *parent)
    : QGroupBox(parent), m_application(application), m_table(table)
{
    setObjectName(u"stage2Panel"_s);
    // The page it stands on carries the stage's name.
    setFlat(true);
    FreeTextEditor &editor = application.freeTextEditor();
    auto *layout = new QVBoxLayout(this);

    auto *entry = new QHBoxLayout;
    m_editAll = new QPushButton(FreeTextEditor::editAllCaption());
    m_editAll->setObjectName(u"editAll"_s);
    m_editOne = new QPushButton;
    m_editOne->setObjectName(u"editOne"_s);
    entry->addWidget(m_editAll);
    entry->addWidget(m_editOne);
    layout->addLayout(entry);

    auto *bulk = new QHBoxLayout;
    m_copyOld = new QPushButton(FreeTextEditor::copyOldCaption());
    m_copyOld->setObjectName(u"copyOld"_s);
    m_strip = new QPushButton(FreeTextEditor::stripCaption());
    m_strip->setObjectName(u"strip"_s);
    m_erase = new QToolButton;
    m_erase->setObjectName(u"erase"_s);
    m_erase->setText(u"\u2718"_s);
    m_erase->setToolTip(FreeTextEditor::eraseHint());
    bulk->addWidget(m_copyOld);
    bulk->addWidget(m_strip);
    m_findReplace = new QToolButton;
    m_findReplace->setObjectName(u"findReplace"_s);
    m_findReplace->setText(u"\u21c4"_s);
    m_findReplace->setToolTip(Session::FindReplaceCommand::hint());
    bulk->addWidget(m_findReplace);
    bulk->addWidget(m_erase);
    layout->addLayout(bulk);

    m_area = new QWidget;
    m_area->setObjectName(u"editArea"_s);
    auto *area = new QGridLayout(m_area);
    area->setContentsMargins(0, 0, 0, 0);
    m_progress = new QProgressBar;
    m_progress->setObjectName(u"progress"_s);
    m_progress->setRange(0, 100);
    // The Static dictionary can be filled while the titles are being typed.
    m_fromFolder = new QToolButton;
    m_fromFolder->setObjectName(u"dictionaryFromFolder"_s);
    m_fromFolder->setIcon(style()->standardIcon(QStyle::SP_DirIcon));
    m_fromFolder->setToolTip(App::FolderBuildModel::buttonHint());
    m_fromClipboard = new QToolButton;
    m_fromClipboard->setObjectName(u"dictionaryFromClipboard"_s);
    m_fromClipboard->setIcon(
        QIcon::fromTheme(u"edit-paste"_s, style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    m_fromClipboard->setToolTip(App::MainCommands::info(App::MainCommand::DictionaryFromClipboard).statusText);
    auto *top = new QHBoxLayout;
    top->addWidget(m_progress, 1);
    top->addWidget(m_fromFolder);
    top->addWidget(m_fromClipboard);
    area->addLayout(top, 0, 0, 1, 4);
    m_editArea = new EditArea(application.editLine());
    m_editArea->lineEdit()->setObjectName(u"freeTextLine"_s);
    m_editArea->lineEdit()->installEventFilter(this);
    area->addWidget(m_editArea, 1, 0, 1, 4);
    m_prefixLabel = new QPushButton(L10n::text(1254, "Prefix:"));
    m_suffixLabel = new QPushButton(L10n::text(1255, "Suffix:"));
    m_prefix = new QComboBox;
    m_prefix->setObjectName(u"picturePrefix"_s);
    m_suffix = new QComboBox;
    m_suffix->setObjectName(u"pictureSuffix"_s);
    for (QPushButton *label : {m_prefixLabel, m_suffixLabel}) {
        label->setFlat(true);
        label->setFocusPolicy(Qt::NoFocus);
        label->setToolTip(L10n::text(1256, "Import from edit area"));
    }
    for (QComboBox *field : {m_prefix, m_suffix}) {
        field->setEditable(true);
        field->setInsertPolicy(QComboBox::NoInsert);
        field->lineEdit()->setMaxLength(Compose::pictureTextLength);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        field->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
        field->setMinimumContentsLength(10);
    }
    area->addWidget(m_prefixLabel, 2, 0);
    area->addWidget(m_prefix, 2, 1);
    area->addWidget(m_suffixLabel, 2, 2);
    area->addWidget(m_suffix, 2, 3);
    m_delete = new QPushButton;
    m_delete->setObjectName(u"deleteToggle"_s);
    m_enter = new QPushButton;
    m_enter->setObjectName(u"enterButton"_s);
    m_jump = new QPushButton(FreeTextEditor::jumpCaption());
    m_jump->setObjectName(u"jumpEmpty"_s);
    m_quit = new QPushButton(FreeTextEditor::quitCaption());
    m_quit->setObjectName(u"quitEditing"_s);
    // Two buttons a row keep the column narrow enough to leave the table room on a small screen.
    area->addWidget(m_delete, 3, 0, 1, 2);
    area->addWidget(m_enter, 3, 2, 1, 2);
    area->addWidget(m_jump, 4, 0, 1, 2);
    area->addWidget(m_quit, 4, 2, 1, 2);
    layout->addWidget(m_area);

    connect(m_editAll, &QPushButton::clicked, &editor, &FreeTextEditor::BtnEditAllClick);
    connect(m_editOne, &QPushButton::clicked, &editor, &FreeTextEditor::BtnEditOneClick);
    connect(m_copyOld, &QPushButton::clicked, &editor, &FreeTextEditor::BtnCopyOldClick);
    connect(m_strip, &QPushButton::clicked, this, &Stage2Panel::cutCharacters);
    connect(m_erase, &QToolButton::clicked, &editor, &FreeTextEditor::SBUndoClick);
    connect(m_findReplace, &QToolButton::clicked, this, [this] { findAndReplace(m_application, window()); });
    connect(m_delete, &QPushButton::clicked, &editor, &FreeTextEditor::BtnDeleteClick);
    connect(m_enter, &QPushButton::clicked, &editor, &FreeTextEditor::BtnEnterClick);
    connect(m_jump, &QPushButton::clicked, &editor, &FreeTextEditor::BtnJumpEmptyClick);
    connect(m_quit, &QPushButton::clicked, &editor, &FreeTextEditor::ImStopEditClick);
    connect(m_fromFolder, &QToolButton::clicked, this, &Stage2Panel::dictionaryFromFolderRequested);
    connect(m_fromClipboard, &QToolButton::clicked, this, &Stage2Panel::dictionaryFromClipboardRequested);
    connect(m_prefixLabel, &QPushButton::clicked, &editor, &FreeTextEditor::importPrefixFromLine);
    connect(m_suffixLabel, &QPushButton::clicked, &editor, &FreeTextEditor::importSuffixFromLine);
    connect(m_prefix, &QComboBox::editTextChanged, this,
            [this](const QString &text) { pictureFieldEdited(m_prefix, text); });
    connect(m_suffix, &QComboBox::editTextChanged, this,
            [this](const QString &text) { pictureFieldEdited(m_suffix, text); });
    for (QComboBox *field : {m_prefix, m_suffix}) {
        const auto menu = [this, field](const QPoint &position) {
            Compose::PicTextList &list = field == m_prefix
                                             ? static_cast<Compose::PicTextList &>(m_application.picturePrefixes())
                                             : static_cast<Compose::PicTextList &>(m_application.pictureSuffixes());
            showFieldMenu(field, list, field->mapToGlobal(position));
        };
        connect(field, &QWidget::customContextMenuRequested, this, menu);
        connect(field->lineEdit(), &QWidget::customContextMenuRequested, this, menu);
    }

    connect(&editor, &FreeTextEditor::areaChanged, this, &Stage2Panel::refresh);
    connect(&editor, &FreeTextEditor::lineFocusRequested, this, &Stage2Panel::focusLine);
    connect(&editor, &FreeTextEditor::stage2Started, this, [this] {
        // The remembered texts are read at start-up, after the window was made.
        fillDropDown(m_prefix, m_application.picturePrefixes());
        fillDropDown(m_suffix, m_application.pictureSuffixes());
        refresh();
    });
    connect(&application.workflow(), &Session::StageWorkflow::commandsChanged, this, &Stage2Panel::refresh);
    connect(&application.pictures(), &PictureSession::selectedCountChanged, this, &Stage2Panel::refresh);

    // The table and the editor follow each other's current row.
    connect(&editor, &FreeTextEditor::currentRowChanged, this, [this](int row) {
        if (row >= 0 && m_table->model())
            m_table->setCurrentIndex(m_table->model()->index(row, PictureSession::TitleColumn));
        refresh();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                FreeTextEditor &freeText = m_application.freeTextEditor();
                if (!current.isValid() || m_refreshing)
                    return;
                if (!freeText.isActive()) {
                    freeText.setCurrentRow(current.row());
                    return;
                }
                if (current.row() != freeText.currentRow() || current.column() == PictureSession::MarkerColumn)
                    freeText.tableRowClicked(current.row(), current.column());
            });
    // While stage 2 runs the highlighted row is the picture being edited: a press the editor sent
    // back would otherwise leave its highlight on the pressed row.
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const FreeTextEditor &freeText = m_application.freeTextEditor();
        const int row = freeText.currentRow();
        QItemSelectionModel *selection = m_table->selectionModel();
        if (!freeText.isActive() || row < 0 || (selection->isRowSelected(row) && selection->selectedRows().size() == 1))
            return;
        selection->select(m_table->model()->index(row, PictureSession::TitleColumn),
                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    // A window made again (in another language) starts on the row the session is on.
    if (editor.currentRow() >= 0 && m_table->model())
        m_table->setCurrentIndex(m_table->model()->index(editor.currentRow(), PictureSession::TitleColumn));
    refresh();
}

void Stage2Panel::fillDropDown(QComboBox *field, const Compose::PicTextList &list)
{
    const bool was = m_refreshing;
    m_refreshing = true;
    const QString text = field->currentText();
    field->clear();
    field->addItems(list.dropDownItems());
    field->setCurrentIndex(-1);
    field->setEditText(text);
    m_refreshing = was;
}

void Stage2Panel::refresh()
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    const FreeTextEditor &editor = m_application.freeTextEditor();
    const Session::StageWorkflow &workflow = m_application.workflow();
    m_editAll->setEnabled(workflow.isEnabled(Command::EditAll));
    m_editOne->setText(editor.editOneCaption());
    m_editOne->setEnabled(workflow.isEnabled(Command::EditOne) && m_table->isEnabled());
    m_copyOld->setEnabled(workflow.isEnabled(Command::CopyCurrentTitle));
    m_strip->setEnabled(workflow.isEnabled(Command::CutCharacters));
    m_erase->setEnabled(workflow.isEnabled(Command::EraseFreeText));
    m_findReplace->setEnabled(workflow.isEnabled(Command::FindReplace));

    m_area->setVisible(editor.isActive());
    m_area->setEnabled(workflow.isEnabled(Command::EditLine));
    m_progress->setValue(editor.progressPercent());
    m_progress->setToolTip(editor.progressHint());
    m_progress->setVisible(editor.progressShown());
    // The deletion-mark text shows grey and italic.
    QLineEdit *line = m_editArea->lineEdit();
    QFont font = line->font();
    font.setItalic(editor.isMarked());
    line->setFont(font);
    line->setStyleSheet(editor.isMarked() ? u"color: grey;"_s : QString());
    for (QComboBox *field : {m_prefix, m_suffix}) {
        const QString &value = field == m_prefix ? editor.prefixField() : editor.suffixField();
        if (field->currentText() != value)
            field->setEditText(value);
        field->setEnabled(editor.pictureFieldsEnabled());
    }
    m_prefixLabel->setEnabled(editor.pictureFieldsEnabled());
    m_suffixLabel->setEnabled(editor.pictureFieldsEnabled());
    m_delete->setText(editor.deleteCaption());
    m_delete->setToolTip(editor.deleteHint());
    m_enter->setText(editor.enterCaption());
    m_enter->setToolTip(editor.enterHint());
    m_enter->setEnabled(editor.enterEnabled());
    m_jump->setEnabled(workflow.isEnabled(Command::JumpToEmpty));
    m_fromFolder->setEnabled(workflow.isEnabled(Command::MakeStaticDictionary));
    m_fromClipboard->setEnabled(workflow.isEnabled(Command::MakeStaticDictionary));
    m_refreshing = false;
}

void Stage2Panel::pictureFieldEdited(QComboBox *field, const QString &text)
{
    if (m_refreshing)
        return;
    FreeTextEditor &editor = m_application.freeTextEditor();
    const Compose::CorrectedInput corrected =
        Compose::correctInput(text, field->lineEdit()->cursorPosition(), Compose::pictureTextLength);
    if (corrected.refused) {
        editor.ShowIllegalChar();
        m_refreshing = true;
        field->setEditText(corrected.text);
        field->lineEdit()->setCursorPosition(corrected.caret);
        m_refreshing = false;
    }
    if (field == m_prefix)
        editor.setPrefixField(corrected.text);
    else
        editor.setSuffixField(corrected.text);
}

void Stage2Panel::showFieldMenu(QComboBox *field, Compose::PicTextList &list, const QPoint &position)
{
    const int index = list.dropDownIndexOf(field->currentText());
    if (index >= 0) {
        m_refreshing = true;
        field->setCurrentIndex(index);
        m_refreshing = false;
    }
    QMenu menu;
    QAction *remove = menu.addAction(L10n::text(1257, "Delete item"));
    remove->setStatusTip(L10n::text(1258, "Delete item from drop down list"));
    remove->setEnabled(index >= 0);
    QAction *clear = menu.addAction(L10n::text(1259, "Clear all items"));
    clear->setStatusTip(L10n::text(1260, "Clear all items from drop down list"));
    clear->setEnabled(list.canClearAll());
    QAction *chosen = menu.exec(position);
    if (!chosen)
        return;
    const bool done = chosen == remove ? list.deleteItem(index) : (list.clearAllItems(), true);
    fillDropDown(field, list);
    // A forgotten or cleared text leaves the field empty.
    if (done && !list.dropDownItems().contains(field->currentText())) {
        m_refreshing = true;
        field->setEditText(QString());
        m_refreshing = false;
        pictureFieldEdited(field, QString());
    }
}

void Stage2Panel::cutCharacters()
{
    m_application.freeTextEditor().BtnStripClick([this](Session::CutCharacters &model) {
        CutCharactersDialog dialog(model, window());
        return dialog.exec() == QDialog::Accepted;
    });
}

void Stage2Panel::focusLine()
{
    if (m_area->isVisible())
        m_editArea->lineEdit()->setFocus();
}

bool Stage2Panel::eventFilter(QObject *watched, QEvent *event)
{
    // The edit line handles its own keys; its focus brings the guide and the button caption.
    if (watched == m_editArea->lineEdit() && event->type() == QEvent::FocusIn) {
        FreeTextEditor &editor = m_application.freeTextEditor();
        editor.SetBtnEnter();
        editor.editLineFocused(false);
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace Ui

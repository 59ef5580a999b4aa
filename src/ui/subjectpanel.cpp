#include "ui/subjectpanel.h"

#include "ui/subjectsdialog.h"

#include "app/application.h"
#include "app/storagemanagement.h"
#include "l10n/text.h"
#include "session/stageworkflow.h"
#include "storage/subjectcommands.h"
#include "storage/subjectmaintenance.h"
#include "storage/subjectstore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Storage::SubjectCommands;

SubjectPanel::SubjectPanel(App::Application &application, Stage stage, QWidget *parent)
    : QWidget(parent), m_application(application), m_stage(stage)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(Storage::SubjectMaintenance::listHeading());
    m_box = box;
    layout->addWidget(box);
    auto *boxLayout = new QVBoxLayout(box);
    auto *listRow = new QHBoxLayout;
    m_list = new QComboBox;
    m_list->setObjectName(stage == Stage::Selecting ? u"assignSubjectList"_s : u"stage2SubjectList"_s);
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_list->setMinimumContentsLength(16);
    listRow->addWidget(m_list, 1);
    m_maintain = new QPushButton(stage == Stage::Selecting ? SubjectCommands::newEditCaption()
                                                           : SubjectCommands::newCaption());
    m_maintain->setObjectName(stage == Stage::Selecting ? u"subjectNewEdit"_s : u"subjectNew"_s);
    listRow->addWidget(m_maintain);
    boxLayout->addLayout(listRow);
    if (stage == Stage::Selecting) {
        auto *assignRow = new QHBoxLayout;
        m_assign = new QPushButton(SubjectCommands::assignCaption());
        m_assign->setObjectName(u"assignSubject"_s);
        m_erase = new QToolButton;
        m_erase->setObjectName(u"eraseSubject"_s);
        m_erase->setText(u"✕"_s);
        m_erase->setToolTip(SubjectCommands::eraseHint());
        m_erase->setStatusTip(SubjectCommands::eraseHint());
        assignRow->addWidget(m_assign, 1);
        assignRow->addWidget(m_erase);
        boxLayout->addLayout(assignRow);
    }

    SubjectCommands &commands = application.subjectCommands();
    connect(m_list, &QComboBox::activated, this, [this, &commands](int index) {
        if (m_stage == Stage::Selecting)
            commands.choose(index);
        else
            commands.chooseStage2(index);
    });
    connect(m_maintain, &QPushButton::clicked, this, &SubjectPanel::maintainRequested);
    if (m_assign) {
        connect(m_assign, &QPushButton::clicked, this, [&commands] { commands.assignToSelected(); });
        connect(m_erase, &QToolButton::clicked, this, [&commands] { commands.eraseOfSelected(); });
    }
    connect(&application.subjects(), &Storage::SubjectStore::subjectsChanged, this, &SubjectPanel::fill);
    connect(&commands, &SubjectCommands::changed, this, &SubjectPanel::update);
    connect(&application, &App::Application::subjectsInUseChanged, this, &SubjectPanel::update);
    fill();
}

void SubjectPanel::fill()
{
    m_list->clear();
    m_list->addItems(m_application.subjectCommands().entries());
    update();
}

void SubjectPanel::update()
{
    const SubjectCommands &commands = m_application.subjectCommands();
    const Session::StageWorkflow &workflow = m_application.workflow();
    const bool inUse = m_application.subjectsInUse();
    // The box rather than the panel is hidden: the panel may not have its place yet.
    m_box->setVisible(inUse);
    // Hidden controls give up their access keys too.
    m_box->setEnabled(inUse);
    if (m_list->count() != commands.entries().size())
        fill();
    const int chosen = m_stage == Stage::Selecting ? commands.chosen() : commands.stage2Chosen();
    m_list->setCurrentIndex(chosen);
    m_maintain->setToolTip(commands.maintainHint());
    if (m_stage == Stage::Selecting) {
        const bool group = workflow.selectionGroupEnabled();
        m_list->setEnabled(group);
        m_maintain->setEnabled(group);
        m_assign->setEnabled(commands.assignEnabled());
        m_assign->setToolTip(commands.assignHint());
        m_erase->setEnabled(commands.eraseEnabled());
    } else {
        const bool group = workflow.editingGroupEnabled();
        m_list->setEnabled(group);
        m_maintain->setEnabled(group);
    }
}

void maintainSubjects(App::Application &application, QWidget *parent)
{
    const bool inStage2 = application.workflow().editingGroupEnabled();
    Storage::SubjectMaintenance model(application.subjects(), application.subjectCommands(), application.dialogs(),
                                      inStage2);
    model.setPictureFolder(application.pictureFolder());
    model.setMainFolder(application.storage().mainFolder());
    SubjectsDialog dialog(model, parent);
    dialog.exec();
}

} // namespace Ui

#include "ui/finalstagepanel.h"

#include "ui/elementorderview.h"

#include "app/storagemanagement.h"
#include "compose/extensioncase.h"
#include "compose/titlesettingsmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::TitleSettingsModel;

FinalStagePanel::FinalStagePanel(TitleSettingsModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(u"finalStagePanel"_s);
    auto *orderLabel = new QLabel(TitleSettingsModel::elementOrderCaption());
    m_order = new ElementOrderView(m_model);
    orderLabel->setBuddy(m_order);

    auto *separatorLabel = new QLabel(TitleSettingsModel::separatorCaption());
    m_separator = new QComboBox;
    m_separator->setObjectName(u"elementSeparator"_s);
    m_separator->addItems(TitleSettingsModel::separatorCaptions());
    separatorLabel->setBuddy(m_separator);

    auto *caseLabel = new QLabel(Compose::ExtensionCase::caption());
    m_extensionCase = new QComboBox;
    m_extensionCase->setObjectName(u"extensionCase"_s);
    m_extensionCase->addItems(Compose::ExtensionCase::captions());
    caseLabel->setBuddy(m_extensionCase);

    m_forceUniqueness = new QCheckBox(TitleSettingsModel::forceUniquenessCaption());
    m_forceUniqueness->setObjectName(u"forceUniqueness"_s);
    m_keepVoice = new QCheckBox(TitleSettingsModel::keepVoiceCaption());
    m_keepVoice->setObjectName(u"keepVoiceSynchronized"_s);
    m_testAndPreview = new QPushButton(TitleSettingsModel::testAndPreviewCaption());
    m_testAndPreview->setObjectName(u"testAndPreview"_s);

    auto *separatorRow = new QHBoxLayout;
    separatorRow->addWidget(separatorLabel);
    separatorRow->addWidget(m_separator);
    separatorRow->addStretch(1);
    separatorRow->addWidget(caseLabel);
    separatorRow->addWidget(m_extensionCase);
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(m_forceUniqueness);
    bottomRow->addWidget(m_keepVoice);
    bottomRow->addStretch(1);
    bottomRow->addWidget(m_testAndPreview);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(orderLabel);
    layout->addWidget(m_order);
    layout->addLayout(separatorRow);
    layout->addLayout(bottomRow);

    for (QWidget *control : {static_cast<QWidget *>(m_separator), static_cast<QWidget *>(m_forceUniqueness),
                             static_cast<QWidget *>(m_keepVoice)})
        control->installEventFilter(this);

    connect(m_separator, &QComboBox::activated, &m_model, &TitleSettingsModel::setSeparatorIndex);
    connect(m_extensionCase, &QComboBox::activated, &m_model, &TitleSettingsModel::setExtensionCase);
    connect(m_forceUniqueness, &QCheckBox::toggled, &m_model, &TitleSettingsModel::setForceUniqueness);
    connect(m_keepVoice, &QCheckBox::toggled, &m_model, &TitleSettingsModel::setKeepVoiceSynchronized);
    connect(m_testAndPreview, &QPushButton::clicked, this, &FinalStagePanel::testAndPreviewRequested);
    connect(&m_model, &TitleSettingsModel::changed, this, &FinalStagePanel::refresh);
    refresh();
}

void FinalStagePanel::refresh()
{
    m_separator->setCurrentIndex(m_model.separatorIndex());
    m_extensionCase->setCurrentIndex(m_model.extensionCase());
    m_forceUniqueness->setChecked(m_model.forceUniqueness());
    m_keepVoice->setChecked(m_model.keepVoiceSynchronized());
    m_testAndPreview->setEnabled(m_model.isTestAndPreviewEnabled());
}

void FinalStagePanel::addStorageSwitches(App::StorageManagement &storage)
{
    using App::StorageManagement;
    m_storage = &storage;
    m_useStorage = new QCheckBox(StorageManagement::useStorageCaption());
    m_useStorage->setObjectName(u"useStorageManagement"_s);
    m_onlySubject = new QCheckBox(StorageManagement::onlySubjectCaption());
    m_onlySubject->setObjectName(u"onlyUseSubject"_s);
    m_onlySubject->setToolTip(StorageManagement::onlySubjectHint());
    auto *row = new QHBoxLayout;
    row->addWidget(m_useStorage);
    row->addWidget(m_onlySubject);
    row->addStretch(1);
    static_cast<QVBoxLayout *>(layout())->insertLayout(layout()->count() - 1, row);
    m_useStorage->installEventFilter(this);
    m_onlySubject->installEventFilter(this);

    // clicked, not toggled: the switch shows the core's answer, which may refuse the change.
    connect(m_useStorage, &QCheckBox::clicked, &storage, &StorageManagement::setUseStorage);
    connect(m_onlySubject, &QCheckBox::clicked, &storage, &StorageManagement::setOnlySubject);
    connect(&storage, &StorageManagement::changed, this, &FinalStagePanel::refreshStorage);
    refreshStorage();
}

void FinalStagePanel::refreshStorage()
{
    m_useStorage->setChecked(m_storage->useStorage());
    m_onlySubject->setChecked(m_storage->onlySubject());
    m_onlySubject->setVisible(m_storage->isOnlySubjectVisible());
}

bool FinalStagePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && m_storage && watched == m_useStorage) {
        m_storage->useStorageLeft();
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut && m_storage && watched == m_onlySubject) {
        m_storage->store();
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut)
        m_model.store();
    return QWidget::eventFilter(watched, event);
}

} // namespace Ui

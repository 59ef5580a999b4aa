#include "ui/cameraclocksdialog.h"

#include "compose/cameraclocksmodel.h"
#include "compose/clockoffset.h"
#include "l10n/text.h"
#include "ui/themecolours.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::CameraClocksModel;
using Compose::ClockOffset;

CameraClocksDialog::CameraClocksDialog(CameraClocksModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(u"cameraClocksDialog"_s);
    setWindowTitle(CameraClocksModel::caption());
    m_cameras = new QListWidget;
    m_cameras->setObjectName(u"cameras"_s);
    m_offset = new QLineEdit;
    m_offset->setObjectName(u"clockOffset"_s);
    m_offset->setToolTip(CameraClocksModel::offsetHint());
    m_picture = new QComboBox;
    m_picture->setObjectName(u"referencePicture"_s);
    m_written = new QLabel;
    m_written->setObjectName(u"writtenDate"_s);
    m_realTime = new QDateTimeEdit;
    m_realTime->setObjectName(u"realTime"_s);
    m_realTime->setDisplayFormat(u"yyyy-MM-dd HH:mm:ss"_s);
    m_realTime->setCalendarPopup(true);
    m_useReference = new QPushButton(CameraClocksModel::useReferenceCaption());
    m_useReference->setObjectName(u"useReference"_s);

    auto *offsetLabel = new QLabel(CameraClocksModel::offsetCaption());
    offsetLabel->setBuddy(m_offset);
    auto *pictureLabel = new QLabel(CameraClocksModel::referenceCaption());
    pictureLabel->setBuddy(m_picture);
    auto *realLabel = new QLabel(CameraClocksModel::realTimeCaption());
    realLabel->setBuddy(m_realTime);
    auto *form = new QFormLayout;
    form->addRow(offsetLabel, m_offset);
    form->addRow(pictureLabel, m_picture);
    form->addRow(QString(), m_written);
    form->addRow(realLabel, m_realTime);
    form->addRow(QString(), m_useReference);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(L10n::standard(L10n::Standard::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(L10n::standard(L10n::Standard::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_cameras, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_cameras, &QListWidget::currentRowChanged, this, &CameraClocksDialog::showCamera);
    connect(m_picture, &QComboBox::currentIndexChanged, this, &CameraClocksDialog::showPicture);
    connect(m_offset, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int camera = m_cameras->currentRow();
        if (camera < 0)
            return;
        const bool readable = m_model.setOffsetText(camera, text);
        markOffset(readable);
        if (readable) {
            refreshList();
            showPicture();
        }
    });
    connect(m_useReference, &QPushButton::clicked, this, [this] {
        const int camera = m_cameras->currentRow();
        if (camera < 0 || !m_model.setOffsetFromPicture(camera, m_picture->currentIndex(), m_realTime->dateTime()))
            return;
        m_offset->setText(ClockOffset::text(m_model.cameras().at(camera).offset));
        markOffset(true);
        refreshList();
        showPicture();
    });
    refreshList();
    if (m_cameras->count() > 0)
        m_cameras->setCurrentRow(0);
    resize(620, 460);
}

void CameraClocksDialog::markOffset(bool readable)
{
    QPalette palette = m_offset->palette();
    palette.setColor(QPalette::Text, readable ? this->palette().color(QPalette::Text)
                                              : ThemeColours::text(Tint::Error, this->palette()));
    m_offset->setPalette(palette);
}

void CameraClocksDialog::refreshList()
{
    const QList<Compose::CameraSummary> &cameras = m_model.cameras();
    for (int i = 0; i < cameras.size(); ++i) {
        QString line = CameraClocksModel::cameraText(cameras.at(i).camera) + u"\n   "_s + m_model.summaryText(i)
                       + u"\n   "_s + CameraClocksModel::offsetCaption().remove(u'&') + u' '
                       + ClockOffset::text(cameras.at(i).offset);
        const QString zones = m_model.zonesText(i);
        if (!zones.isEmpty())
            line += u"\n   \u26a0 "_s + zones;
        if (i < m_cameras->count())
            m_cameras->item(i)->setText(line);
        else
            m_cameras->addItem(line);
    }
}

void CameraClocksDialog::showCamera()
{
    const int camera = m_cameras->currentRow();
    const bool any = camera >= 0;
    m_offset->setEnabled(any);
    m_picture->setEnabled(any);
    m_realTime->setEnabled(any);
    m_useReference->setEnabled(any);
    if (!any)
        return;
    const Compose::CameraSummary &summary = m_model.cameras().at(camera);
    m_offset->setText(ClockOffset::text(summary.offset));
    markOffset(true);
    const QSignalBlocker blocker(m_picture);
    m_picture->clear();
    for (qsizetype i = 0; i < summary.titles.size(); ++i)
        m_picture->addItem(summary.titles.at(i));
    m_picture->setCurrentIndex(0);
    showPicture();
    const QDateTime corrected = ClockOffset::clockOf(m_model.correctedDate(camera, 0));
    if (corrected.isValid())
        m_realTime->setDateTime(QDateTime(corrected.date(), corrected.time()));
}

void CameraClocksDialog::showPicture()
{
    const int camera = m_cameras->currentRow();
    const int picture = m_picture->currentIndex();
    if (camera < 0 || picture < 0)
        return;
    const Compose::CameraSummary &summary = m_model.cameras().at(camera);
    const QString written = summary.dates.at(picture);
    m_written->setText(written.isEmpty() ? L10n::text(1794, "No date taken")
                                         : L10n::text(1796, "Camera wrote ") + written + u" \u2192 "_s
                                               + m_model.correctedDate(camera, picture));
    m_useReference->setEnabled(!written.isEmpty());
}

} // namespace Ui

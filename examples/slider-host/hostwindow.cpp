#include "hostwindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSettings>

#include "kqattributeslider.h"
#include "settingspropertystore.h"

HostWindow::HostWindow(QSettings &settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setWindowTitle(tr("Slider host"));
    auto *grid = new QGridLayout(this);
    addSlider(QStringLiteral("body"), tr("Body"), 0);
    addSlider(QStringLiteral("agility"), tr("Agility"), 1);
    addSlider(QStringLiteral("willpower"), tr("Willpower"), 2);

    auto *changes = new QLabel(tr("Changes:"), this);
    grid->addWidget(changes, 3, 0, 1, 2);
    m_changes = new QListWidget(this);
    changes->setBuddy(m_changes);
    // A list takes no name from its caption.
    m_changes->setAccessibleName(tr("Changes"));
    grid->addWidget(m_changes, 4, 0, 1, 2);
    m_status = new QLabel(this);
    grid->addWidget(m_status, 5, 0, 1, 2);
    restore();
}

void HostWindow::addSlider(const QString &key, const QString &caption, int row)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *slider = new kqAttributeSlider(this);
    slider->setObjectName(key);
    // The slider is laid out in twips: give it its designed size and keep it there.
    slider->setFixedSize(slider->sizeHint());
    // The caption names the slider for screen readers too.
    auto *label = new QLabel(caption, this);
    label->setBuddy(slider);
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1);
    connect(slider, &kqAttributeSlider::Change, this, [this, slider, caption] { showChange(slider, caption); });
    m_sliders << slider;
}

void HostWindow::showChange(kqAttributeSlider *slider, const QString &caption)
{
    m_changes->addItem(tr("%1 is now %2").arg(caption, slider->Value().toString()));
    m_changes->scrollToBottom();
    save(); // a host killed later still finds the last value
}

// A slider saved before is read back; a new one keeps the properties it was created with.
void HostWindow::restore()
{
    QStringList problems;
    for (kqAttributeSlider *slider : std::as_const(m_sliders)) {
        m_settings.beginGroup(slider->objectName());
        const bool saved = !m_settings.childKeys().isEmpty();
        SettingsPropertyStore store(m_settings);
        if (saved) {
            const PropertyTransfer result = slider->readProperties(store);
            if (!result)
                problems << tr("%1: stopped at %2 (%3)").arg(slider->objectName(), result.failedEntry, result.reason);
        }
        m_settings.endGroup();
        // The container sizes the control after reading, which lays it out and shows the value.
        slider->Resize();
    }
    m_status->setText(problems.isEmpty() ? tr("Settings: %1").arg(m_settings.fileName())
                                         : problems.join(QLatin1Char('\n')));
}

void HostWindow::save()
{
    for (kqAttributeSlider *slider : std::as_const(m_sliders)) {
        m_settings.beginGroup(slider->objectName());
        SettingsPropertyStore store(m_settings);
        slider->writeProperties(store);
        m_settings.endGroup();
    }
    m_settings.sync();
}

void HostWindow::closeEvent(QCloseEvent *event)
{
    save();
    event->accept();
}

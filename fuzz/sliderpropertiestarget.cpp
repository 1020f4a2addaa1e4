#include "fuzz/fuzztargets.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "controls/arbutton/memorypropertystore.h"
#include "controls/slider/kqattributeslider.h"
#include "controls/slider/settingspropertystore.h"

namespace {

// The slider is a widget: one application for the whole run, on the offscreen platform. It is
// never destroyed: a fuzzer ends by exit(), after which Qt's own statics may already be gone.
void ensureApplication()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz-slider-properties";
    static char *argv[] = {name, nullptr};
    static const QApplication *application = new QApplication(argc, argv);
    Q_UNUSED(application)
}

} // namespace

QString FuzzTargets::sliderProperties(const std::uint8_t *data, std::size_t size)
{
    ensureApplication();
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("form.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
            return QStringLiteral("cannot write the settings file");
        }
    }

    // The bytes as a host's saved form: a settings file whose group holds the slider's entries.
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("slider"));
    SettingsPropertyStore store(settings);
    kqAttributeSlider slider;
    const PropertyTransfer read = slider.readProperties(store);
    if (!read.ok && read.reason.isEmpty())
        return QStringLiteral("a failed read gives no reason");
    slider.Resize();
    slider.grab(); // paints whatever was read

    // Whatever the slider took, it writes out and a second slider reads back.
    MemoryPropertyStore copy;
    if (!slider.writeProperties(copy))
        return QStringLiteral("the slider cannot write what it read");
    kqAttributeSlider second;
    if (const PropertyTransfer again = second.readProperties(copy); !again) {
        return QStringLiteral("a copy of the slider cannot read its own properties back: %1 (%2)")
            .arg(again.failedEntry, again.reason);
    }
    if (second.Min() != slider.Min() || second.Max() != slider.Max() || second.Value() != slider.Value())
        return QStringLiteral("the copy's Min, Max or Value differ");
    return QString();
}

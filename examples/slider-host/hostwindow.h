#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;
class QSettings;
class kqAttributeSlider;

// A form with three attribute sliders. Each Change is listed as it happens; the sliders'
// properties are read from the user's settings when the form opens and written back when it
// closes, through the slider's QSettings-backed property store.
class HostWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HostWindow)

public:
    explicit HostWindow(QSettings &settings, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addSlider(const QString &key, const QString &caption, int row);
    void restore();
    void save();
    void showChange(kqAttributeSlider *slider, const QString &caption);

    QSettings &m_settings;
    QList<kqAttributeSlider *> m_sliders;
    QListWidget *m_changes = nullptr;
    QLabel *m_status = nullptr;
};

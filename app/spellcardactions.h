#pragma once

#include <functional>

#include <QObject>
#include <QString>

class Cantrix;
class QWidget;
class SpellCardExport;

// The File menu's spell card commands on the desktop: Export Spell Card... runs the core's
// export with the PDF painter of the program, Print... shows the print dialog and prints the
// same card.
class SpellCardActions final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellCardActions)

public:
    // `window` owns the dialogs; the commands live as long as it does.
    SpellCardActions(Cantrix &cantrix, QWidget *window);

    // Where Export starts before a card has been exported in this run.
    void setStartFolder(std::function<QString()> folder);

    void exportCard();
    void print();

private:
    Cantrix &m_cantrix;
    QWidget *m_window;
    SpellCardExport *m_export;
};

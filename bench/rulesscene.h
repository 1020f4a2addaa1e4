#pragma once

#include <QString>
#include <QTemporaryDir>

#include "windowmodel/cantrix.h"
#include "tests/support/recordingplatform.h"

// One rules data file made ready for timing: copied as GX2Mod.dat into a program folder of
// its own, a window model started on it, and the rows the handler benchmarks work on picked
// out once, so that every benchmark of the file times the same work.
class RulesScene final
{
    Q_DISABLE_COPY_MOVE(RulesScene)

public:
    // Copies `rulesFile`; check error() before use.
    RulesScene(const QString &label, const QString &rulesFile);

    const QString &label() const { return m_label; }
    const QString &error() const { return m_error; }
    QString rulesPath() const;
    // The program folder that holds the copy; free for other files of the benchmarks.
    QString folderPath() const { return m_folder.path(); }
    RecordingPlatform &platform() { return m_platform; }
    Cantrix &model() { return m_model; }

    // The category whose section lists the most modifiers.
    int category() const { return m_category; }
    // In that section: a modifier that owns options, and the last stand-alone modifier.
    int modifierWithOptions() const { return m_modifierWithOptions; }
    int standaloneModifier() const { return m_standaloneModifier; }

    // Selects the category (running its handler) unless it is selected already.
    void selectCategory();
    // The summary as a designed spell has it: category, type and thirteen counted modifiers.
    void fillSummary();

private:
    void pickRows();

    QString m_label;
    QString m_error;
    QTemporaryDir m_folder;
    RecordingPlatform m_platform;
    Cantrix m_model;
    int m_category = -1;
    int m_modifierWithOptions = -1;
    int m_standaloneModifier = -1;
};

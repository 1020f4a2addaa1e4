#include "tools/scenario/scenariorunner.h"

#include <algorithm>

#include <QDir>

#include "documents/spellcommands.h"
#include "tools/scenario/scenariojson.h"

ScenarioRunner::ScenarioRunner(const QString &programDirectory, QTextStream &out)
    : m_platform(programDirectory, QString(), QDir(programDirectory).filePath(QStringLiteral("user-data"))),
      m_settings(QDir(programDirectory).filePath(QStringLiteral("user-data/settings.ini")), QSettings::IniFormat),
      m_out(out)
{
    startRun();
}

ScenarioRunner::~ScenarioRunner()
{
    endRun();
}

void ScenarioRunner::startRun()
{
    m_session = std::make_unique<SpellSession>(m_platform, m_settings);
    addDesignScenarioCommands(*this);
    addDocumentScenarioCommands(*this);
    addDrainScenarioCommands(*this);
    addKeepScenarioCommands(*this);
    addBookScenarioCommands(*this);
    addCommand(QStringLiteral("dump"), Argument::None, [this](const QString &, int) {
        m_out << dump() << '\n';
        m_out.flush();
        return QString();
    });
}

void ScenarioRunner::endRun()
{
    // Commands hold on to what they work with: they go first, the window they point to last.
    m_commands.clear();
    m_dumpFields.clear();
    m_afterCommand.clear();
    m_session.reset();
}

void ScenarioRunner::addAfterCommand(std::function<void()> after)
{
    m_afterCommand.append(std::move(after));
}

void ScenarioRunner::addCommand(const QString &name, Argument argument, Command command)
{
    m_commands.insert(name, Entry{argument, std::move(command)});
}

void ScenarioRunner::addDumpField(const QString &key, DumpField field)
{
    m_dumpFields.append({key, std::move(field)});
}

QString ScenarioRunner::unescape(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            result.append(c);
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
        case 'n': result.append(u'\n'); break;
        case 'r': result.append(u'\r'); break;
        case 't': result.append(u'\t'); break;
        case '\\': result.append(u'\\'); break;
        default: result.append(c).append(next); break; // not an escape: kept as written
        }
    }
    return result;
}

bool ScenarioRunner::runLine(const QString &line, QString *error)
{
    // A line of nothing but blanks and tabs is as blank as an empty one.
    const bool blank = std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c == u' ' || c == u'\t'; });
    if (blank || line.startsWith(u'#'))
        return true;
    const qsizetype space = line.indexOf(u' ');
    const QString name = space < 0 ? line : line.left(space);
    const QString rest = space < 0 ? QString() : line.mid(space + 1);

    const auto found = m_commands.constFind(name);
    if (found == m_commands.constEnd()) {
        *error = QStringLiteral("unknown command \"%1\"").arg(name);
        return false;
    }
    int number = 0;
    switch (found->argument) {
    case Argument::None:
        if (!rest.isEmpty()) {
            *error = QStringLiteral("\"%1\" takes no argument").arg(name);
            return false;
        }
        break;
    case Argument::Number: {
        bool ok = false;
        number = rest.toInt(&ok);
        if (!ok) {
            *error = QStringLiteral("\"%1\" needs a whole number, not \"%2\"").arg(name, rest);
            return false;
        }
        break;
    }
    case Argument::Text:
        break;
    }
    const QString failure = found->command(unescape(rest), number);
    if (!failure.isEmpty()) {
        *error = failure;
        return false;
    }
    for (const std::function<void()> &after : std::as_const(m_afterCommand))
        after();
    if (std::exchange(m_restartRequested, false)) {
        endRun();
        startRun();
    }
    return true;
}

bool ScenarioRunner::runScript(const QString &script, QTextStream &errors)
{
    QString normalized = script;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = normalized.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString error;
        if (!runLine(lines.at(i), &error)) {
            errors << (i + 1) << ": " << error << '\n';
            errors.flush();
            return false;
        }
    }
    return true;
}

QString ScenarioRunner::dump()
{
    using namespace ScenarioJson;
    QStringList messages;
    for (qsizetype i = m_reportedWarnings; i < m_platform.warnings.size(); ++i) {
        const RecordingPlatform::Message &message = m_platform.warnings.at(i);
        messages.append(object({{QStringLiteral("title"), string(message.title)},
                                {QStringLiteral("text"), string(message.text)}}));
    }
    m_reportedWarnings = int(m_platform.warnings.size());

    Cantrix &w = window();
    QList<std::pair<QString, QString>> members = {
        {QStringLiteral("closed"), boolean(w.isClosed())},
        {QStringLiteral("messages"), u'[' + messages.join(u',') + u']'},
        {QStringLiteral("CreationDate"), string(w.CreationDate)},
        {QStringLiteral("Text2"), string(w.Text2.text())},
        {QStringLiteral("NameText"), string(w.NameText.text())},
        {QStringLiteral("ForceText"), string(w.ForceText.text())},
        {QStringLiteral("DrainText"), string(w.DrainText.text())},
        {QStringLiteral("DescriptionText"), string(w.DescriptionText.text())},
    };
    for (ListControl *list : w.lists()) {
        members.append({list->name(), object({{QStringLiteral("rows"), stringArray(list->rows())},
                                              {QStringLiteral("index"), QString::number(list->selectedIndex())}})});
    }
    for (const auto &[key, field] : m_dumpFields) {
        // A field with nothing to show yet (a book never opened) is left out.
        if (QString value = field(); !value.isEmpty())
            members.append({key, std::move(value)});
    }
    return object(members);
}

#include "scriptsaver.h"

#include "failurereporter.h"
#include "savefilechooser.h"
#include "savenotice.h"

#include <QDir>

ScriptSaver::ScriptSaver(SaveFileChooser &chooser, FailureReporter &reporter, InstalledGames &games)
    : m_chooser(chooser)
    , m_reporter(reporter)
    , m_games(games)
{
}

QString ScriptSaver::save(QWidget *window, const CfgWriter::TextSource &takeText)
{
    const QString path = m_chooser.chooseSavePath(window);
    if (path.isEmpty())
        return {};

    QString text;
    QString reason;
    const auto keepText = [&] {
        text = takeText();
        return text;
    };
    if (!CfgWriter::write(path, keepText, &reason)) {
        m_reporter.reportFailure(
            window, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return {};
    }
    SaveNotice::showBelow(window, SaveNotice::instructions(path, text, m_games));
    return path;
}

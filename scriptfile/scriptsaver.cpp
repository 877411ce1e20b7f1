#include "scriptsaver.h"

#include "failurereporter.h"
#include "savefilechooser.h"

#include <QDir>

ScriptSaver::ScriptSaver(SaveFileChooser &chooser, FailureReporter &reporter)
    : m_chooser(chooser)
    , m_reporter(reporter)
{
}

bool ScriptSaver::save(QWidget *window, const CfgWriter::TextSource &takeText)
{
    const QString path = m_chooser.chooseSavePath(window);
    if (path.isEmpty())
        return false;

    QString reason;
    if (!CfgWriter::write(path, takeText, &reason)) {
        m_reporter.reportFailure(
            window, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}

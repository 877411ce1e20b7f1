#include "scriptsaver.h"

#include "savefailurereporter.h"
#include "savefilechooser.h"

#include <QDir>

ScriptSaver::ScriptSaver(SaveFileChooser &chooser, SaveFailureReporter &reporter)
    : m_chooser(chooser)
    , m_reporter(reporter)
{
}

void ScriptSaver::save(QWidget *window, const CfgWriter::TextSource &takeText)
{
    const QString path = m_chooser.chooseSavePath(window);
    if (path.isEmpty())
        return;

    QString reason;
    if (!CfgWriter::write(path, takeText, &reason)) {
        m_reporter.reportSaveFailure(
            window, tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
    }
}

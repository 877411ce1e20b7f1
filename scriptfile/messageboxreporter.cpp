#include "messageboxreporter.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxReporter::reportFailure(QWidget *parent, const QString &message)
{
    QMessageBox::warning(
        parent, QCoreApplication::translate("MessageBoxReporter", "Tintmark"), message);
}

#pragma once

#include <QObject>
#include <QTemporaryDir>

class ReportPdfTest : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsTheReportAsText();
    void unsavedTableEditsArePrinted();
    void unwritablePdfSaysWhy();

private:
    QTemporaryDir dir;
};

class ReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void previewShowsTwoPagesSideBySide();
    void printDialogOffersPagesOneToSix();
    void shellPrintWithoutItsPrinterSaysSo_data();
    void shellPrintWithoutItsPrinterSaysSo();

private:
    QTemporaryDir dir;
};

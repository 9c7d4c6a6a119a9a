#pragma once

#include <QString>

namespace valorama {

// Where a print job goes, as the output dialog asks it.
struct OutputChoice
{
    enum class Destination { Preview, Printer, File };
    enum class FileFormat { Pdf, Text, Html, Csv, Xlsx };

    Destination destination = Destination::Preview;
    QString printerName;
    FileFormat format = FileFormat::Pdf;
    QString fileName;
    int copies = 1;

    static QString extension(FileFormat f);
};

} // namespace valorama

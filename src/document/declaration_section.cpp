// The declaration page's part of the registration document.
#include "declaration_section.h"

#include "code_page.h"
#include "document_lines.h"
#include "work_files.h"

DeclarationFiles buildDeclarationFiles(const Registrant &registrant,
                                       const QByteArray &trailerFile) {
    DeclarationFiles files;
    files.documentEnd = emptyLine() + separatorLine(declarationSeparatorLength);
    for (const char *line : declarationLines)
        files.documentEnd += documentLine(QLatin1String(line));
    files.documentEnd += emptyLine();
    files.documentEnd += itemLine(itemLabel("11a", "NAMA-PENDAFTAR"), registrant.name);
    files.documentEnd += itemLine(itemLabel("11b", "E-MAIL-PENDAFTAR"), registrant.emailAddress);
    files.documentEnd += trailerFile + emptyLine();
    files.senderAddress = toWindows1252(registrant.emailAddress);
    files.senderName = toWindows1252(registrant.name);
    return files;
}

void writeDeclarationFiles(const DeclarationFiles &files) {
    createWorkFile(WorkFile::SenderAddress, files.senderAddress);
    createWorkFile(WorkFile::SenderName, files.senderName);
    appendWorkFile(WorkFile::Document, files.documentEnd);
}

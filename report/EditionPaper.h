#pragma once

#include <QPageSize>

// The paper of every page the program lays out itself, PDF or printout: Letter in the US
// edition, A4 in the European one. An OpenDocument report leaves the paper to the word
// processor.
QPageSize EditionPaper(bool USEdition);

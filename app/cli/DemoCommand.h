#pragma once

#include <QTextStream>

// A short tour of what the sizing engine computes, for a first look from a terminal.
int RunDemoCommand(QTextStream& out);

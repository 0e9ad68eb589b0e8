#pragma once
// The program's icon, drawn here so that it needs no picture file: the crescent Moon and a
// star on the night sky.
#include <QIcon>

QIcon program_icon();

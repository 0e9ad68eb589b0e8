#pragma once
// Start-up with a damaged settings file: the question whether to go on with the defaults.
#include <QWidget>

#include <filesystem>

#include "data/startup_error.h"

// Asks with "Ano" and "Ne". On "Ano" the damaged file is set aside (NAME.poskozeny) so that
// start-up can run again and write the defaults; true then. False when the user declines or
// the file cannot be set aside (that is reported, too).
bool ask_to_set_aside(const sidora::data::StartupError& error, const std::filesystem::path& data_dir,
                      QWidget* parent = nullptr);

#pragma once

#include "platform/services.h"

// The Help menu's two documents, which lie directly in the application folder.
namespace trivolo::help {

// Opens "Help.CHM" in the desktop's viewer for compiled help.
void open_guide(DocumentService& documents);

// Opens "README.txt" in the desktop's text viewer.
void open_readme(DocumentService& documents);

}  // namespace trivolo::help

// The diagram renderer, loaded by the wizard once per drawing.
#pragma once

extern "C" {

// Renders a DOT file.  Command holds comma-separated words:
//   layout, "-T" + format, DOT file, "-o", output file
// Every word after "-o" belongs to the output path, so an output name holding
// commas survives.  Returns 0 when the output file was written in the asked
// format; non-zero when the command is malformed, the DOT text cannot be read,
// the layout or renderer reports an error, or the file cannot be written.
int ErOut(const char* Command);

// Return codes of ErOut besides 0.
enum {
  ErOutBadCommand = 1,
  ErOutCannotRead = 2,
  ErOutGraphError = 3,
  ErOutCannotWrite = 4
};

using TErOutFunc = int (*)(const char*);
}

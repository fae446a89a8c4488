#pragma once
// One function a command, each in a file of its own (cmd_NAME.cpp), over the shared driver.
#include "tools/lanset-cli/cli_driver.h"

int cmdFind(CliDriver& driver);
int cmdConfigure(CliDriver& driver);
int cmdAuto(CliDriver& driver);
int cmdApply(CliDriver& driver);
int cmdWatch(CliDriver& driver);
// auto --watch, once its entries are checked (options with the pattern as the boards hold it).
int cmdStation(CliDriver& driver, const CliOptions& options, int32_t firstSequence);

#pragma once
// What is wrong on a LAN, board by board, as a find sees it: addresses that two boards hold, or
// that this host holds, addresses that the adapter a board answered on cannot reach, gateways
// outside their subnet, and SNs that answered with different settings.
#include <string>
#include <vector>

#include "net/device_list.h"
#include "net/network_adapters.h"
#include "tools/lanset-cli/cli_args.h"

// A board's address, host order; 0 for none (or one that cannot be read).
uint32_t boardAddress(const DeviceRecord& board);

// For each listed board, in list order, its problems (empty when sound).
std::vector<std::vector<std::string>> lanProblems(const DeviceList& list,
                                                  const std::vector<InterfaceAddress>& interfaces);

// "SN ... answered with different settings (ID ..., IP ...; ...)", or empty when it did not.
std::string otherAnswersProblem(const DeviceList& list, int32_t index);

// The boards as find prints them, with their problems: the table marks a board's line and names
// each problem under it; JSON gives each board "problems"; CSV stays as find's, a plan.
std::string formatCheckedBoards(const std::vector<DeviceRecord>& boards,
                                const std::vector<std::vector<std::string>>& problems, OutputFormat format);

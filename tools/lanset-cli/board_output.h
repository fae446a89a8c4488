#pragma once
// The boards as lanset-cli prints them: aligned table, CSV (the file lanset saves its list as) or
// JSON, fields id, sn, ip, subnet, gateway, dhcp; JSON also adapter, the address of the adapter
// the board answered on.
#include <string>
#include <vector>

#include "net/device_record.h"
#include "tools/lanset-cli/cli_args.h"

// A board's text (Latin-1 bytes) as a JSON string, always valid JSON.
std::string jsonText(const std::string& latin1);
// One board as a JSON object, as find prints it.
std::string boardJson(const DeviceRecord& board);

std::string formatBoards(const std::vector<DeviceRecord>& boards, OutputFormat format);

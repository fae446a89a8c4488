#pragma once
// The boards as lanset-cli prints them: aligned table, CSV (the file lanset saves its list as) or
// JSON, fields id, sn, ip, subnet, gateway, dhcp; JSON also adapter, the address of the adapter
// the board answered on.
#include <string>
#include <vector>

#include "net/device_record.h"
#include "tools/lanset-cli/cli_args.h"

std::string formatBoards(const std::vector<DeviceRecord>& boards, OutputFormat format);

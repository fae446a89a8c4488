#pragma once
// The entry rules of the configuration dialogs, applied to the command line, and the records
// built from it.
#include <cstdint>
#include <optional>
#include <string>

#include "net/device_record.h"
#include "net/network_adapters.h"
#include "tools/lanset-cli/cli_args.h"
#include "ui/pass_checks.h"


// The lines a refusal prints, each starting "lanset-cli: " (a message may hold several).
std::string refusalText(const Refusal& refusal);

// Why an ID (Latin-1) may not be sent to a board: it holds a control character (C0, DEL or C1),
// which every terminal, list and file that shows the board would meet; empty when it holds none.
std::string controlCharacterFault(const std::string& latin1);

// --id and --pattern as the boards hold them: UTF-8 as typed becomes Latin-1; a character that
// Latin-1 lacks is refused.
std::optional<Refusal> toBoardText(std::optional<std::string>& text, const char* option);
// The same for a text read from elsewhere (a plan's ID cell).
std::optional<Refusal> boardTextOf(const std::string& utf8, std::string& latin1);

// configure and auto: at least one setting to send.
std::optional<Refusal> checkSomethingToChange(const CliOptions& options);

// configure: the ID rule on --id, then the address-range rule on --ip/--mask with a count of 1.
std::optional<Refusal> checkConfigureEntries(const CliOptions& options);

// auto, before anything is sent: the ID rule on --pattern and the sequence number rules.
// firstSequence receives the checked sequence start (0 without a pattern).
std::optional<Refusal> checkPatternEntries(const CliOptions& options, int32_t& firstSequence);

// auto, once the number of boards is known: the address-range rule from --ip/--mask.
std::optional<Refusal> checkBatchRange(const CliOptions& options, int32_t boards);

// The address-range rule for start, mask and count, with its reason.
std::optional<Refusal> checkRange(const std::string& start, const std::string& mask, int32_t count);

// --adapter: each given name or address must name one of the adapters present (a misspelt
// adapter would otherwise send nowhere and find nothing). The refusal lists what is there.
std::optional<Refusal> checkAdapters(const std::vector<std::string>& given,
                                     const std::vector<InterfaceAddress>& interfaces);

// The configuration for one board: the options given, the board's own mac and echo text;
// everything not given stays empty (dhcpGiven clear) so that the board keeps it.
DeviceRecord configureRecord(const CliOptions& options, const DeviceRecord& board);

// The batch template: the pattern as id, the first address and mask, gateway and DHCP.
DeviceRecord batchTemplate(const CliOptions& options);

#!powershell

# win_lanset_apply: lanset_apply for Windows hosts, where Ansible runs PowerShell rather than
# Python (lanset_apply's action plugin runs it there by itself). The options, results, diff and
# messages of lanset_apply.py; the documentation is win_lanset_apply.py. Runs
# "lanset-cli.exe apply PLAN --format json"; needs nothing beyond ansible-core's own PowerShell
# support and lanset-cli.exe on the host.

#AnsibleRequires -CSharpUtil Ansible.Basic
#AnsibleRequires -PowerShell Ansible.ModuleUtils.ArgvParser
#AnsibleRequires -PowerShell Ansible.ModuleUtils.CommandUtil

$spec = @{
    options = @{
        plan = @{ type = "path" }
        content = @{ type = "str" }
        lanset_cli = @{ type = "str"; default = "lanset-cli" }
        adapter = @{ type = "list"; elements = "str"; default = @() }
        retries = @{ type = "int"; default = 0 }
        force = @{ type = "bool"; default = $false }
    }
    mutually_exclusive = @(, @("plan", "content"))
    required_one_of = @(, @("plan", "content"))
    supports_check_mode = $true
}
$module = [Ansible.Basic.AnsibleModule]::Create($args, $spec)

# The one way a board's text reaches a message or the diff, as in the Python modules: control
# characters (C0, DEL, C1) and the bidirectional overrides and embeddings shown as '?'. A board
# may answer with "ESC ] 0 ; ... BEL" as its ID.
Function ConvertTo-Printable($text) {
    if ($null -eq $text) { return "" }
    return ([string]$text) -replace '[\x00-\x1F\x7F-\x9F\u202A-\u202E\u2066-\u2069]', '?'
}

# Several lines (lanset-cli's stderr) for a message: each line made printable.
Function ConvertTo-PrintableLines($text) {
    return (@(([string]$text).Trim() -split "\r?\n" | ForEach-Object { ConvertTo-Printable $_ }) -join "`n")
}

# The properties of one of lanset-cli's JSON objects ("changes", "mismatches"), by name.
Function Get-Fields($object) {
    if ($null -eq $object) { return @() }
    return @($object.PSObject.Properties | Sort-Object -Property Name)
}

# The installer puts lanset-cli.exe in its folder, not on the path: look there when no program
# was named.
Function Resolve-LansetCli($name) {
    if ($name -ne "lanset-cli") { return $name }
    if (Get-Command -Name "lanset-cli.exe" -CommandType Application -ErrorAction SilentlyContinue) { return "lanset-cli.exe" }
    $key = "Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick Lanset"
    foreach ($view in "HKLM:\SOFTWARE\$key", "HKLM:\SOFTWARE\WOW6432Node\$key") {
        $folder = (Get-ItemProperty -LiteralPath $view -Name InstallLocation -ErrorAction SilentlyContinue).InstallLocation
        if ($folder -and (Test-Path -LiteralPath (Join-Path $folder "lanset-cli.exe"))) { return (Join-Path $folder "lanset-cli.exe") }
    }
    return "lanset-cli.exe"
}

$path = $module.Params.plan
if ($null -ne $module.Params.content) {
    # The module's own temporary folder, removed when it exits.
    $path = Join-Path $module.Tmpdir "plan.csv"
    [System.IO.File]::WriteAllText($path, $module.Params.content + "`n", (New-Object -TypeName System.Text.UTF8Encoding -ArgumentList $false))
}
$arguments = @((Resolve-LansetCli $module.Params.lanset_cli), "apply", $path, "--retries", [string]$module.Params.retries,
    "--format", "json", "-q")
foreach ($adapter in $module.Params.adapter) { $arguments += @("--adapter", $adapter) }
if ($module.Params.force) { $arguments += "--force" }
if ($module.CheckMode) { $arguments += "--dry-run" }
$module.Result.cmd = $arguments

$run = $null
$runError = $null
try {
    $run = Run-Command -command (Argv-ToString -arguments $arguments)
}
catch {
    $runError = $_
}
if ($null -ne $runError) {
    $module.FailJson("lanset-cli could not be run: $($runError.Exception.Message)", $runError)
}
$rc = $run.rc
$module.Result.rc = $rc
$module.Result.stderr = $run.stderr

# lanset-cli's report: a JSON array of objects; $null when it printed none.
$boards = $null
if (([string]$run.stdout).TrimStart().StartsWith("[")) {
    try {
        $parsed = ConvertFrom-Json -InputObject $run.stdout
        $boards = if ($null -eq $parsed) { @() } else { @($parsed) }
    }
    catch {
        $boards = $null
    }
}
# 2: the plan was refused, nothing sent. An interrupted run (130) still reports its rows.
if ($null -eq $boards -or $rc -notin @(0, 1, 130)) {
    $message = ConvertTo-PrintableLines $run.stderr
    if (-not $message) { $message = "lanset-cli apply ended with status $rc" }
    $module.Result.stdout = $run.stdout
    $module.FailJson($message)
}

$ok = @("unchanged", "changed", "would change")
$module.Result.boards = $boards
$module.Result.changed = [bool]@($boards | Where-Object { $_.result -in @("changed", "would change") }).Count
if ($module.DiffMode) {
    $diffs = @()
    foreach ($board in $boards) {
        $changes = Get-Fields $board.changes
        if ($changes.Count -eq 0) { continue }
        $header = "board $(ConvertTo-Printable $board.sn) (line $(ConvertTo-Printable $board.line))"
        $before = ($changes | ForEach-Object { "$(ConvertTo-Printable $_.Name): $(ConvertTo-Printable $_.Value.old)`n" }) -join ""
        $after = ($changes | ForEach-Object { "$(ConvertTo-Printable $_.Name): $(ConvertTo-Printable $_.Value.new)`n" }) -join ""
        $diffs += @{ before_header = $header; after_header = $header; before = $before; after = $after }
    }
    $module.Result.diff = $diffs
}

$failed = @($boards | Where-Object { $_.result -notin $ok })
if ($failed.Count -gt 0 -or $rc -ne 0) {
    $rows = foreach ($board in $failed) {
        $text = "$(ConvertTo-Printable $board.sn) $(ConvertTo-Printable $board.result)"
        $mismatches = Get-Fields $board.mismatches
        if ($mismatches.Count -gt 0) {
            $fields = $mismatches | ForEach-Object {
                $reported = ConvertTo-Printable $_.Value.reported
                if (-not $reported) { $reported = "nothing" }
                "$(ConvertTo-Printable $_.Name): planned $(ConvertTo-Printable $_.Value.planned), reports $reported"
            }
            $text += " ($($fields -join ', '))"
        }
        $text
    }
    $message = @($rows) -join "; "
    if (-not $message) { $message = ConvertTo-PrintableLines $run.stderr }
    if (-not $message) { $message = "lanset-cli apply ended with status $rc" }
    $module.FailJson($message)
}
$module.ExitJson()

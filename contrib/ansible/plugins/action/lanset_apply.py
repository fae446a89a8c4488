# lanset_apply serves Linux and Windows hosts in one task: Ansible runs PowerShell on Windows, and
# finds a module's file by its name alone (with lanset_apply.ps1 beside lanset_apply.py, Linux
# hosts would be handed the PowerShell one), so the Windows form has a name of its own and this
# plugin picks it by the host's shell.
from __future__ import annotations

from ansible.plugins.action import ActionBase
from ansible.utils.vars import merge_hash


class ActionModule(ActionBase):
    def run(self, tmp=None, task_vars=None):
        self._supports_check_mode = True
        result = super().run(tmp, task_vars)
        del tmp
        if result.get("skipped"):
            return result
        windows = self._connection._shell.SHELL_FAMILY == "powershell"
        module = "tarnwick.lanset.win_lanset_apply" if windows else "tarnwick.lanset.lanset_apply"
        result = merge_hash(result, self._execute_module(module_name=module, module_args=self._task.args,
                                                         task_vars=task_vars))
        self._remove_tmp_path(self._connection._shell.tmpdir)
        return result

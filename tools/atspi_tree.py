#!/usr/bin/python3
"""Prints what a screen reader sees of the running Vespra 4: every text box, list, button,
radio item, check box and table of its main window, with the name the accessibility tree
gives it. Run inside the session of the program (see tools/atspi_check.sh)."""
import sys
import time

import pyatspi

ROLES = {
    pyatspi.ROLE_TEXT: "caixa de texto",
    pyatspi.ROLE_COMBO_BOX: "lista",
    pyatspi.ROLE_PUSH_BUTTON: "botão",
    pyatspi.ROLE_RADIO_BUTTON: "opção",
    pyatspi.ROLE_CHECK_BOX: "caixa de seleção",
    pyatspi.ROLE_TABLE: "tabela",
    pyatspi.ROLE_MENU_ITEM: "menu",
    pyatspi.ROLE_MENU: "menu",
}


def walk(node, depth=0, out=None):
    if out is None:
        out = []
    try:
        role = node.getRole()
        if role in ROLES and node.getState().contains(pyatspi.STATE_SHOWING):
            out.append((ROLES[role], node.name))
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), depth + 1, out)
    except Exception:
        pass
    return out


def main():
    for _ in range(40):
        desktop = pyatspi.Registry.getDesktop(0)
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        apps = [a for a in apps if a is not None and "vespra" in (a.name or "").lower()]
        if apps:
            break
        time.sleep(0.25)
    else:
        print("a aplicação não apareceu na árvore de acessibilidade", file=sys.stderr)
        return 1
    unnamed = 0
    for kind, name in walk(apps[0]):
        print(f"{kind}: {name!r}")
        unnamed += not name
    print(f"{unnamed} controles sem nome")
    return 1 if unnamed else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Prints what a screen reader sees of the running Vespra 4: for every window, each control a
user reaches (text box, list, check box, option and group of options, button, table, chart,
menu item) with the name and description the accessibility tree gives it, and how many have
no name. Exits with 1 when a control has no name or a window is missing.

The rule is the one of the window test (components/accessible_names.cpp, through Qt's
accessibility interfaces); here it reads the same tree as AT-SPI presents it. Hidden controls
count too: they are in the tree and show in some state of their window.

Run inside the session of the program (see tools/atspi_check.sh):
    atspi_tree.py [--janelas N] [--controles C]
waits for N windows (without it, for the first one) and, given C, checks that AT-SPI presents
as many controls as the window test finds.
"""
import argparse
import sys
import time

import pyatspi

# AT-SPI's roles for the control kinds of components/accessible_names.cpp.
KINDS = {
    pyatspi.ROLE_TEXT: "caixa de texto",
    pyatspi.ROLE_ENTRY: "caixa de texto",
    pyatspi.ROLE_PASSWORD_TEXT: "caixa de texto",
    pyatspi.ROLE_SPIN_BUTTON: "caixa numérica",
    pyatspi.ROLE_COMBO_BOX: "lista suspensa",
    pyatspi.ROLE_CHECK_BOX: "caixa de seleção",
    pyatspi.ROLE_RADIO_BUTTON: "opção",
    pyatspi.ROLE_PUSH_BUTTON: "botão",
    pyatspi.ROLE_PUSH_BUTTON_MENU: "botão",
    pyatspi.ROLE_TOGGLE_BUTTON: "botão",
    pyatspi.ROLE_TABLE: "tabela",
    pyatspi.ROLE_TREE_TABLE: "tabela",
    pyatspi.ROLE_TREE: "tabela",
    pyatspi.ROLE_LIST: "lista",
    pyatspi.ROLE_LIST_BOX: "lista",
    pyatspi.ROLE_CHART: "gráfico",
    pyatspi.ROLE_IMAGE: "gráfico",
    pyatspi.ROLE_SLIDER: "controle deslizante",
    pyatspi.ROLE_PROGRESS_BAR: "barra de progresso",
    pyatspi.ROLE_PAGE_TAB: "aba",
    pyatspi.ROLE_MENU_ITEM: "menu",
    pyatspi.ROLE_MENU: "menu",
}
# Named as a whole: their cells, items and pop-ups are their data.
WHOLE = {
    pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TREE,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX,
    pyatspi.ROLE_COMBO_BOX,
}
GROUPS = {pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING, pyatspi.ROLE_FILLER}


def children(node):
    out = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            out.append(child)
    return out


def kind_of(node, role):
    if role in GROUPS and any(c.getRole() == pyatspi.ROLE_RADIO_BUTTON for c in children(node)):
        return "grupo de opções"
    return KINDS.get(role)


def labels(node):
    """The names of the labels bound to node (its buddy label, its titled group box)."""
    out = []
    for relation in node.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            name = (relation.getTarget(i).name or "").strip()
            if name:
                out.append(name)
    return out


def spoken_name(node, role):
    """What a screen reader names the control by. Qt gives a list's current item as its
    name; the list is told apart by its label, or else by its description."""
    if role != pyatspi.ROLE_COMBO_BOX:
        return node.name or ""
    bound = labels(node)
    if bound:
        return ", ".join(bound)
    if (node.description or "").strip():
        return f"{node.name or ''} ({node.description})"
    return ""


def walk(node, depth, out):
    """Appends (depth, kind, name, description, showing) for every control under node."""
    role = node.getRole()
    kind = kind_of(node, role)
    if kind:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        description = node.description or ""
        name = spoken_name(node, role)
        if role == pyatspi.ROLE_COMBO_BOX:
            # Its name on Linux is its current item (or, with none, its accessible name).
            description = f"valor {node.name!r}" if node.name and node.name not in name else ""
        out.append((depth, kind, name, description, showing))
        depth += 1
    if role in WHOLE:
        return
    for child in children(node):
        walk(child, depth, out)


def find_app(windows, timeout=30.0):
    """The program's accessible application once it shows `windows` windows."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if "vespra" in (app.name or "").lower() and app.childCount >= windows:
                return app
        time.sleep(0.25)
    return None


def report(window):
    """Prints one window's controls; returns (controls, unnamed)."""
    controls = []
    walk(window, 1, controls)
    unnamed = 0
    print(f"== Janela {window.name!r}")
    for depth, kind, name, description, showing in controls:
        line = "  " * depth + f"{kind}: {name!r}"
        if description:
            short = description if len(description) <= 80 else description[:77] + "..."
            line += f" ({short})"
        if not showing:
            line += " [oculto]"
        if not name.strip():
            line += "  <-- SEM NOME"
            unnamed += 1
        print(line)
    print(f"   {len(controls)} controles, {unnamed} sem nome")
    return len(controls), unnamed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--janelas", type=int, default=1, help="janelas que o programa mostra")
    parser.add_argument("--controles", type=int, help="controles que a regra do teste de janelas encontra")
    args = parser.parse_args()
    app = find_app(args.janelas)
    if app is None:
        print(f"o programa não mostrou {args.janelas} janela(s) na árvore de acessibilidade", file=sys.stderr)
        return 1
    windows = children(app)
    total = unnamed = 0
    for window in windows:
        c, u = report(window)
        total += c
        unnamed += u
    print(f"Resumo: {len(windows)} janelas, {total} controles, {unnamed} sem nome")
    # The same controls as the window test finds through Qt's own interfaces: the two rules agree.
    differs = args.controles is not None and args.controles != total
    if differs:
        print(f"o teste de janelas encontra {args.controles} controles; a árvore AT-SPI, {total}", file=sys.stderr)
    return 1 if unnamed or differs or len(windows) < args.janelas else 0


if __name__ == "__main__":
    sys.exit(main())

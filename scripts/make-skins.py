#!/usr/bin/env python3
# Makes the program's window skins in data/skins/: one Qt style sheet per colour palette of the quiz
# screen (green, studio, winaqua, hardware, galaxy, media, cosmo). Every skin fills the same sheet with
# its own colours and shapes, so all of them style the same widgets: the main window's menus, toolbars
# and status bar, and the dialogs (buttons, tabs, group boxes, text fields, lists). The quiz screen and
# the grid (cells and headers) take their colours from the palette, not from the skin. Running the
# script again writes identical files.
# Usage: scripts/make-skins.py

import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
SKINS = os.path.join(ROOT, 'data', 'skins')

SHEET = """/* Brainlark skin "{name}": {summary} */

QMainWindow, QDialog {{ background-color: {window}; }}
QLabel, QCheckBox, QRadioButton {{ color: {text}; }}
QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled {{ color: {disabled}; }}
QCheckBox::indicator, QRadioButton::indicator {{
    width: 12px;
    height: 12px;
    border: 1px solid {indicator_border};
    background-color: {base};
}}
QCheckBox::indicator {{ border-radius: {small_radius}px; }}
QRadioButton::indicator {{ border-radius: 7px; }}
QCheckBox::indicator:checked {{ background-color: {accent}; border-color: {accent_dark}; }}
QRadioButton::indicator:checked {{
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                                stop:0 {accent}, stop:0.55 {accent}, stop:0.65 {base}, stop:1 {base});
    border-color: {accent_dark};
}}
QCheckBox::indicator:disabled, QRadioButton::indicator:disabled {{ border-color: {disabled}; background-color: {base_disabled}; }}

QMenuBar {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {bar_top}, stop:1 {bar_bottom});
    color: {bar_text};
    border-bottom: 1px solid {border};
}}
QMenuBar::item {{ background: transparent; padding: 4px 10px; border-radius: {small_radius}px; }}
QMenuBar::item:selected {{ background: {accent}; color: {accent_text}; }}
QMenuBar::item:pressed {{ background: {accent_dark}; color: {accent_text}; }}
QMenu {{ background-color: {menu}; color: {text}; border: 1px solid {border}; padding: 3px; }}
QMenu::item {{ padding: 4px 26px 4px 26px; border-radius: {small_radius}px; }}
QMenu::item:selected {{ background: {accent}; color: {accent_text}; }}
QMenu::item:disabled {{ color: {disabled}; }}
QMenu::separator {{ height: 1px; background: {border}; margin: 3px 8px; }}

QToolBar {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {tool_top}, stop:1 {tool_bottom});
    border: none;
    border-bottom: 1px solid {border};
    spacing: 3px;
    padding: 2px;
}}
QToolBar::separator {{ width: 1px; background: {border}; margin: 5px 4px; }}
QToolButton {{ background: transparent; border: 1px solid transparent; border-radius: {radius}px; padding: 2px; }}
QToolButton:hover {{ background: {hover}; border-color: {border}; }}
QToolButton:pressed, QToolButton:checked {{ background: {accent}; border-color: {accent_dark}; }}

QStatusBar {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {bar_bottom}, stop:1 {bar_top});
    color: {bar_text};
    border-top: 1px solid {border};
}}
QStatusBar::item {{ border: none; }}
QStatusBar QLabel {{
    color: {pane_text};
    background: {pane};
    border: 1px solid {border};
    border-radius: {small_radius}px;
    padding: 0px 4px;
}}

QPushButton {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {button_top}, stop:1 {button_bottom});
    color: {button_text};
    border: {button_border_width}px {button_border_style} {button_border};
    border-radius: {radius}px;
    padding: 4px 14px;
    min-width: 60px;
}}
QPushButton:hover {{
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 {button_hover_top}, stop:1 {button_hover_bottom});
}}
QPushButton:pressed {{
    background: {button_pressed};
    border-style: {button_pressed_style};
}}
QPushButton:default {{ border-color: {accent_dark}; }}
QPushButton:disabled {{ color: {disabled}; background: {button_disabled}; border-color: {border}; }}

QGroupBox {{
    color: {text};
    border: 1px solid {border};
    border-radius: {radius}px;
    margin-top: 1.2em;
    padding-top: 0.3em;
}}
QGroupBox::title {{ subcontrol-origin: margin; left: 9px; padding: 0px 4px; color: {title}; }}

QTabWidget::pane {{ border: 1px solid {border}; background: {page}; top: -1px; border-radius: {small_radius}px; }}
QTabBar::tab {{
    background: {tab};
    color: {text};
    border: 1px solid {border};
    border-bottom: none;
    padding: 5px 12px;
    margin-right: 2px;
    border-top-left-radius: {radius}px;
    border-top-right-radius: {radius}px;
}}
QTabBar::tab:selected {{ background: {page}; color: {title}; }}
QTabBar::tab:!selected {{ margin-top: 3px; }}
QTabBar::tab:hover {{ background: {hover}; }}

QLineEdit, QPlainTextEdit, QTextEdit, QTextBrowser, QListView, QListWidget, QTreeView {{
    background-color: {base};
    color: {base_text};
    border: 1px solid {border};
    border-radius: {small_radius}px;
    selection-background-color: {accent};
    selection-color: {accent_text};
}}
QLineEdit:disabled {{ background-color: {base_disabled}; color: {disabled}; }}
QComboBox, QSpinBox {{
    background-color: {base};
    color: {base_text};
    selection-background-color: {accent};
    selection-color: {accent_text};
}}
QComboBox QAbstractItemView {{ background-color: {menu}; color: {text}; }}

QToolTip {{ background-color: {tip}; color: {tip_text}; border: 1px solid {border}; padding: 2px; }}
"""

COMMON = dict(small_radius=2, button_border_width=1, button_border_style='solid', button_pressed_style='solid')

SKINS_TABLE = {
    'green': dict(
        summary='spring greens around a lime quiz screen',
        window='#eef5dc', text='#1f3a1a', disabled='#8a9a7a', title='#226136',
        bar_top='#f1f8cc', bar_bottom='#c3dc6c', bar_text='#183b22',
        menu='#f8fbee', accent='#4f9a36', accent_dark='#226136', accent_text='#ffffff', hover='#dcedb0',
        tool_top='#f6fbe3', tool_bottom='#d6e98f', border='#8cb24a', pane='#f8fbee', pane_text='#183b22',
        button_top='#fbfdf0', button_bottom='#d3e79a', button_hover_top='#ffffff', button_hover_bottom='#c0dc6e',
        button_pressed='#abd334', button_text='#183b22', button_border='#6f9a35', button_disabled='#e6eed6',
        radius=5, page='#f8fbef', tab='#dcebb0', base='#ffffff', base_text='#1f3a1a', base_disabled='#eef2e4',
        tip='#fbffe0', tip_text='#183b22'),
    'studio': dict(
        summary='indigo bars and lavender dialogs',
        window='#ececf8', text='#262b57', disabled='#9a9cb8', title='#444996',
        bar_top='#5e65c4', bar_bottom='#3c418c', bar_text='#ffffff',
        menu='#f7f7fd', accent='#545bba', accent_dark='#444996', accent_text='#ffffff', hover='#dcddf4',
        tool_top='#f4f4fc', tool_bottom='#d6d7f0', border='#9fa3d8', pane='#f7f7fd', pane_text='#262b57',
        button_top='#ffffff', button_bottom='#dcddf4', button_hover_top='#ffffff', button_hover_bottom='#c8caee',
        button_pressed='#b6b9e6', button_text='#262b57', button_border='#8388c9', button_disabled='#e6e6f2',
        radius=4, page='#f7f7fd', tab='#dcddf2', base='#ffffff', base_text='#1d2150', base_disabled='#eeeef6',
        tip='#e6e6fa', tip_text='#262b57'),
    'winaqua': dict(
        summary='glossy aqua blue, pill-shaped buttons',
        window='#e8f1fc', text='#1e2e44', disabled='#8ea2ba', title='#0052a4',
        bar_top='#f7fbff', bar_bottom='#c6ddf6', bar_text='#16304f',
        menu='#f9fcff', accent='#3d8be0', accent_dark='#0052a4', accent_text='#ffffff', hover='#d5e7fb',
        tool_top='#fbfdff', tool_bottom='#cfe2f8', border='#8fb1d9', pane='#f4f8fe', pane_text='#16304f',
        button_top='#fdfeff', button_bottom='#bcd8f7', button_hover_top='#ffffff', button_hover_bottom='#91c3ff',
        button_pressed='#6faeea', button_text='#10335c', button_border='#6f9bd0', button_disabled='#e4ecf5',
        radius=10, page='#f4f8fe', tab='#d7e7fa', base='#ffffff', base_text='#1e2e44', base_disabled='#eef3f9',
        tip='#ffffe1', tip_text='#1e2e44'),
    'hardware': dict(
        summary='brushed silver with navy highlights and raised square buttons',
        window='#d4d4d4', text='#101010', disabled='#7a7a7a', title='#00008b',
        bar_top='#ececec', bar_bottom='#b4b4b4', bar_text='#000000',
        menu='#e6e6e6', accent='#00008b', accent_dark='#000060', accent_text='#ffffff', hover='#c6c6d8',
        tool_top='#f0f0f0', tool_bottom='#bcbcbc', border='#808080', pane='#e4e4e4', pane_text='#000000',
        button_top='#f4f4f4', button_bottom='#c0c0c0', button_hover_top='#ffffff', button_hover_bottom='#cfd3e0',
        button_pressed='#b0b0b0', button_text='#000000', button_border='#a0a0a0', button_disabled='#d0d0d0',
        radius=0, page='#dcdcdc', tab='#c4c4c4', base='#ffffff', base_text='#000000', base_disabled='#e0e0e0',
        tip='#ffffe1', tip_text='#000000',
        small_radius=0, button_border_width=2, button_border_style='outset', button_pressed_style='inset'),
    'galaxy': dict(
        summary='deep space with teal, cyan and yellow light',
        window='#23232e', text='#e6f2f3', disabled='#6e6e82', title='#c8e830',
        bar_top='#3a3a4e', bar_bottom='#16161f', bar_text='#f9fc03',
        menu='#2b2b38', accent='#1f97a2', accent_dark='#136b73', accent_text='#ffffff', hover='#33334a',
        tool_top='#34344a', tool_bottom='#1c1c28', border='#4b4b62', pane='#1a1a24', pane_text='#31ecfd',
        button_top='#4a4a62', button_bottom='#2a2a3a', button_hover_top='#55557a', button_hover_bottom='#1f97a2',
        button_pressed='#136b73', button_text='#31ecfd', button_border='#1f97a2', button_disabled='#2c2c36',
        radius=6, page='#282834', tab='#303040', base='#15151d', base_text='#e6f2f3', base_disabled='#202028',
        tip='#1f97a2', tip_text='#ffffff'),
    'media': dict(
        summary='a graphite player with sage green controls',
        window='#3a3b3d', text='#e9f0e5', disabled='#7d8279', title='#b0cda2',
        bar_top='#58595d', bar_bottom='#2b2c2e', bar_text='#dcebd3',
        menu='#444548', accent='#6f8f63', accent_dark='#4f6a45', accent_text='#ffffff', hover='#505a4c',
        tool_top='#55565a', tool_bottom='#303133', border='#5e6b58', pane='#2a2b2d', pane_text='#b0cda2',
        button_top='#667a5f', button_bottom='#3f4c3b', button_hover_top='#7a9170', button_hover_bottom='#4f6a45',
        button_pressed='#313f2d', button_text='#f3f8f0', button_border='#94ad89', button_disabled='#3e403f',
        radius=12, page='#404143', tab='#4a4b4e', base='#2a2b2d', base_text='#eef3ea', base_disabled='#333436',
        tip='#465c92', tip_text='#ffffff'),
    'cosmo': dict(
        summary='cool blue-grey with sky blue highlights',
        window='#e3e9ee', text='#22313f', disabled='#8e9aa5', title='#2f5e8e',
        bar_top='#d3dee7', bar_bottom='#98adbd', bar_text='#1b2a38',
        menu='#f1f4f7', accent='#699dd1', accent_dark='#3f75ad', accent_text='#ffffff', hover='#d2e2f2',
        tool_top='#edf2f6', tool_bottom='#b7c7d4', border='#8799a8', pane='#eef2f5', pane_text='#1b2a38',
        button_top='#f7f9fb', button_bottom='#c9d6e1', button_hover_top='#ffffff', button_hover_bottom='#a9cbee',
        button_pressed='#77b3ee', button_text='#1b2a38', button_border='#7d93a6', button_disabled='#dde3e8',
        radius=3, page='#eef2f5', tab='#ccd7e0', base='#ffffff', base_text='#22313f', base_disabled='#e8ecef',
        tip='#f0f8ff', tip_text='#22313f'),
}


def main():
    os.makedirs(SKINS, exist_ok=True)
    for name, colours in SKINS_TABLE.items():
        values = dict(COMMON, name=name)
        values.update(colours)
        values.setdefault('indicator_border', values['button_border'])
        with open(os.path.join(SKINS, name + '.skn'), 'w', encoding='utf-8', newline='\n') as out:
            out.write(SHEET.format(**values))


if __name__ == '__main__':
    main()

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/BoardAnimation.h"
#include "board/BoardCanvas.h"
#include "board/MoveBox.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ImageCatalog.h"
#include "pictures/BasePicture.h"
#include "window/Main.h"

#include <QAction>
#include <QTimer>

namespace tessary {

// What window tests may reach inside the main window: its menu entries, the board, what
// shows over it and its animations, and its three timers.
class MainWindowProbe {
  public:
    enum class Menu {
        NewGame,
        OpenGame,
        Save,
        Exit,
        Sound,
        Music,
        Jukebox,
        Performance,
        HallOfFame,
        Toolbar,
        Help,
        About,
        Catalog
    };

    explicit MainWindowProbe(Main& main) : main_(main) {}

    QAction& menu(Menu entry) const {
        QAction* const entries[] = {main_.MenuNewGame, main_.MenuOpenGame,    main_.MenuSave,
                                    main_.MenuExit,    main_.MenuSound,       main_.MenuMusic,
                                    main_.MenuJukebox, main_.MenuPerformance, main_.MenuHallOfFame,
                                    main_.MenuToolbar, main_.MenuHelp,        main_.MenuAbout,
                                    main_.MenuCatalog};
        return *entries[static_cast<int>(entry)];
    }
    BoardCanvas& board() const { return *main_.board_.Picture1; }
    BasePicture& solutionPicture() const { return *main_.board_.basePic; }
    MoveBox& slidingTile() const { return *main_.board_.moveBox; }
    BoardAnimation& animation() const { return main_.board_.animation_; }
    QTimer& blinkTimer() const { return *main_.Timer1; }
    QTimer& commandTimer() const { return *main_.Timer2; }
    QTimer& idleTimer() const { return *main_.Timer4; }
    GameKeeper& keeper() const { return main_.keeper_; }
    HelpWindow* helpWindow() const { return main_.help_; }
    // The catalogue's window, once "Image Catalog" has opened it.
    ImageCatalog* catalog() const { return main_.catalog_.get(); }

  private:
    Main& main_;
};

} // namespace tessary

// The network commands. Player ids travel as decimal text.
#pragma once

#include "core/dynstr.h"

// Hosts (or joins) the named session; 1 on success, 0 on failure. The type is
// the connection type (0 the internet protocol; 1 and 2 fail); the address,
// "host" or "host:port", names the host to ask when joining, and empty asks
// on the local network. The last text is not used.
double NETHOSTGAME(double type, DynStr session_name, DynStr address, DynStr unused);
// Joins the named session, at `address` or found on the local network; 1 on success, 0 on failure.
double NETJOINGAME(double type, DynStr session_name, DynStr address, DynStr unused);
// A new player of this program; its id, "0" when none could be made.
DynStr NETCREATEPLAYER_Str(DynStr name);
// Ends a player of this program; returns 0.
double NETDESTROYPLAYER(DynStr id);
// Sends a text (not guaranteed) from a player of this program to a player, or
// to all others with "0"; 1 when a session is set up, else 0.
double NETSENDMSG(DynStr from, DynStr to, DynStr message);
// The oldest message for a player of this program; "" when none waits, or when
// it is longer than 1023 bytes.
DynStr NETGETMSG_Str(DynStr to);
// The player's name; "NO_DATA" when it is empty or the player unknown.
DynStr NETPLAYERNAME_Str(DynStr id);
// The id of the player at the index in creation order; "0" past the last.
DynStr NETGETPLAYERID_Str(double index);
// The number of players in the session; 0 without one.
double NETNUMPLAYERS();

// Handles the session's traffic; every network command does it first, and
// start-up hands it to every frame step, so that a program that only draws
// keeps its session.
void ServiceNetwork();

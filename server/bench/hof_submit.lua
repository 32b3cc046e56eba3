-- SPDX-License-Identifier: GPL-3.0-or-later
-- For wrk: every request is a new Hall of Fame entry with a random score and a name no other
-- request of the run has (the prefix given after "--", wrk's thread, a count).
local threads = 0

function setup(thread)
    threads = threads + 1
    thread:set("number", threads)
end

function init(args)
    prefix = args[1] or "Bench"
    count = 0
    math.randomseed(number * 7919 + os.time())
end

function request()
    count = count + 1
    local path = "/games/puzhof.asp?game=tess&a=" .. math.random(1, 32767) .. "&b=" .. prefix ..
                     "T" .. number .. "N" .. count .. "%20size=80"
    return wrk.format(nil, path)
end

-- Helpers of conky.conf: the month as a grid, and the processor clock as a
-- number that lua_graph can plot.

-- The current month, Sunday first, today in brackets.
function conky_month()
  local now = os.date('*t')
  local first = os.date('*t', os.time{year = now.year, month = now.month, day = 1})
  local days = os.date('*t', os.time{year = now.year, month = now.month + 1, day = 0}).day
  local lines = {os.date('%Y-%m'), ' Su  Mo  Tu  We  Th  Fr  Sa'}
  local row = string.rep('    ', first.wday - 1)
  for day = 1, days do
    row = row .. (day == now.day and string.format('[%2d]', day) or string.format(' %2d ', day))
    if (first.wday - 1 + day) % 7 == 0 or day == days then
      lines[#lines + 1] = row
      row = ''
    end
  end
  return table.concat(lines, '\n')
end

function conky_freq_mhz()
  return tonumber(conky_parse('${freq}')) or 0
end

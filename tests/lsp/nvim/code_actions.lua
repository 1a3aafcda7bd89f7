-- Each code action picked from Neovim's own list over a range of whole lines, and the
-- buffers' text afterwards.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

local function lines(buf, first, last)
  return vim.api.nvim_buf_get_lines(buf or 0, first - 1, last or -1, false)
end

-- Picks the action titled title for lines first..last of the current buffer and waits until
-- buffer changed (the current one unless given) is edited.
local function act(title, first, last, changed)
  changed = vim.fn.bufnr(changed and (c.dir .. '/' .. changed) or '%', true)
  vim.fn.bufload(changed)
  local tick = vim.api.nvim_buf_get_changedtick(changed)
  local offered = {}
  vim.ui.select = function(actions, _, choose)
    local chosen
    for _, action in ipairs(actions) do
      table.insert(offered, action[2].title)
      chosen = chosen or (action[2].title == title and action or nil)
    end
    choose(chosen)
  end
  vim.lsp.buf.range_code_action(nil, { first, 0 }, { last, math.max(#lines(0, last, last)[1] - 1, 0) })
  local edited = vim.wait(c.timeout, function()
    return vim.api.nvim_buf_get_changedtick(changed) ~= tick
  end, 10)
  c.check(edited, '%q on lines %d-%d changed nothing; offered: %s', title, first, last, vim.inspect(offered))
  return changed
end

-- The lines of after that are not in before, between what they have in common at both ends,
-- without blank lines around them.
local function inserted(before, after)
  local head, tail = 0, 0
  while head < #before and before[head + 1] == after[head + 1] do
    head = head + 1
  end
  while tail < #before - head and before[#before - tail] == after[#after - tail] do
    tail = tail + 1
  end
  local block = vim.list_slice(after, head + 1, #after - tail)
  while block[1] == '' do
    table.remove(block, 1)
  end
  while block[#block] == '' do
    table.remove(block)
  end
  return block
end

c.run(function()
  c.start(c.workspace('examples'))
  c.open('src/main.cpp')
  -- Typed lines: the server reads them from the changes the client sent, and counts their
  -- columns in UTF-16 units as the client does (the emoji takes two).
  local first = c.go('large.MoveBy(-1, 2);')
  vim.api.nvim_buf_set_lines(0, first, first, false, { '    std::cout << "größer 😀";' })
  local typed = lines(0, 1)
  act('Toggle comment', first, first + 1)
  c.equal(lines(0, first, first + 1), { '//    large.MoveBy(-1, 2);', '//    std::cout << "größer 😀";' },
    'commented lines')
  act('Toggle comment', first, first + 1)
  c.equal(lines(0, 1), typed, 'lines commented and uncommented')

  vim.api.nvim_buf_set_lines(0, first, first, false, { '    small = large;', '    shapes[0] = &small;' })
  act('Reverse statements', first + 1, first + 2)
  c.equal(lines(0, first + 1, first + 2), { '    large = small;', '    &small\t  = shapes[0];' },
    'reversed statements')

  c.open('include/shape.h')
  local source = vim.fn.readfile(c.dir .. '/src/shape.cpp')
  first = c.go('void MoveBy(int dx, int dy);')
  local last = c.go('static int Count();')
  local changed = act('Paste copied members as definitions', first, last, 'src/shape.cpp')
  c.equal(inserted(source, lines(changed, 1)), {
    'void Shape::MoveBy(int dx,int dy)',
    '{',
    '\t// ',
    '}',
    '',
    '/*static*/ int Shape::Count()',
    '{',
    '\t// ',
    '}',
  }, 'definitions pasted into src/shape.cpp')
end)

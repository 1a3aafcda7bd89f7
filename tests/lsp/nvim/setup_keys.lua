-- The README's Neovim configuration as it stands (the runner starts Neovim with it): its
-- keys switch from the source to the header and back, step down and toggle comments.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

local function press(keys, cond, message, ...)
  vim.cmd('normal ' .. vim.api.nvim_replace_termcodes(keys, true, false, true))
  c.check(vim.wait(c.timeout, cond, 10), message, ...)
end

c.run(function()
  c.dir = c.workspace('examples')
  -- The configuration runs `zentrel lsp` from PATH with the default profile.
  vim.env.ZENTREL_PROFILE = c.dir .. '/zentrel.reg'
  vim.cmd('cd ' .. vim.fn.fnameescape(c.dir))
  vim.cmd('edit src/shape.cpp')
  c.wait_for(function()
    return #vim.lsp.buf_get_clients(0) == 1
  end, 'no server attached to src/shape.cpp')

  for _, file in ipairs({ 'include/shape.h', 'src/shape.cpp' }) do
    press('\\h', function()
      return c.name() == file
    end, 'the switch key did not reach %s', file)
  end
  c.go('Shape::~Shape()')
  local describe = vim.fn.search('std::string Shape::Describe() const', 'nw')
  press('j<C-PageDown>', function()
    return c.cursor()[1] == describe
  end, 'ctrl+PgDn did not reach line %d', describe)

  -- A linewise selection's end lies past the end of its line, which the server takes as the end.
  vim.ui.select = function(actions, _, choose)
    for _, action in ipairs(actions) do
      if action[2].title == 'Toggle comment' then
        return choose(action)
      end
    end
    choose(nil)
  end
  local first = c.go('int Shape::Count()')
  press('Vj\\a', function()
    local lines = vim.api.nvim_buf_get_lines(0, first - 1, first + 1, false)
    return vim.deep_equal(lines, { '//int Shape::Count()', '//{' })
  end, 'the code action key on a linewise selection did not comment its lines')

  local servers = vim.lsp.get_active_clients()
  c.equal(#servers, 1, 'servers started for both files')
  c.id = servers[1].id
end)

-- Friend Member through the client's own jumps: a declaration's definition in the source
-- file, and back to the declaration in the header.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

-- Runs a jump and waits until it lands in file, on the line holding text.
local function jump(action, file, text)
  local from = c.name() .. ':' .. c.cursor()[1]
  action()
  local landed = vim.wait(c.timeout, function()
    return c.name() == file
  end, 10)
  c.check(landed, 'from %s: still in %s, not in %s', from, c.name(), file)
  local line = vim.fn.search('\\V' .. vim.fn.escape(text, '\\'), 'cnw')
  c.equal(c.cursor()[1], line, 'from ' .. from .. ': line of ' .. text)
end

c.run(function()
  c.start(c.workspace('examples'))
  c.open('include/shape.h')
  c.go('void MoveBy')
  jump(vim.lsp.buf.definition, 'src/shape.cpp', 'void Shape::MoveBy')
  c.go('int Shape::Count()')
  jump(vim.lsp.buf.declaration, 'include/shape.h', 'static int Count();')
end)
